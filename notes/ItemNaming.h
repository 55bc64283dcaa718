#pragma once

#include "notes/NotesStore.h"

#include <optional>
#include <string>
#include <string_view>

namespace notes {

// Whether an item of the folder keyed `folderKey` is named `name` (both compared exactly).
bool ItemExists(const NotesStore& store, std::string_view folderKey, std::string_view name);

// The name a new item of the folder gets: "New Item" when free, else "New Item (n)" for the first free n
// from 2 up to 32767; nothing when every one of them is taken. The folder's names are gathered once, so
// a folder of tens of thousands of items costs one pass instead of one pass per number tried.
std::optional<std::string> newItemName(const NotesStore& store, std::string_view folderKey);

} // namespace notes
