#pragma once

#include <cstddef>
#include <string_view>

namespace notes {

// The longest folder or item name, in characters (code points). Folder keys are whole paths, so the
// deepest chain the tree allows, made of names this long, still fits in memory many times over. Item
// names are no keys and could be longer at no such cost, but both are typed into the same in-place editor
// and shown in the same kind of row: one limit is the one a user can learn.
inline constexpr std::size_t MaxNameLength = 255;

// Whether a typed name (UTF-8) may name an item: at most MaxNameLength characters and no control
// character (C0, DEL or C1). A line break, a tab or a NUL would show as a row that hides part of the
// name or looks empty. Any other name is an item's, the empty one and one holding "\" included: an item's
// name is shown, never joined into a key. A refused name is refused the way a taken one is: the label
// reverts.
bool isAcceptableItemName(std::string_view name);

// Whether a typed name may name a folder: an item's name that is not empty and holds no "\", which would
// turn part of the name into another level of the folder's key.
bool isAcceptableFolderName(std::string_view name);

} // namespace notes
