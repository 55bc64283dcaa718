#pragma once

#include "notes/NotesPane.h"

#include <string>

namespace testing_support {

// Puts an item with `name` and `text` into the folder keyed `folder`, and brings the views up to date as
// an item command does. The one place where tests make items, so that it can move to the item commands
// without touching the tests.
inline void MakeItem(notes::NotesPane& notes, const std::string& folder, const std::string& name,
                     const std::string& text = {}) {
    notes.Store().AppendItem(name, folder, text);
    notes.List().ListFolderItems(false);
}

} // namespace testing_support
