#pragma once

#include <cstddef>
#include <string_view>

namespace notes {

// The longest folder or item name, in characters (code points). Folder keys are whole paths, so the
// deepest chain the tree allows, made of names this long, still fits in memory many times over.
inline constexpr std::size_t MaxNameLength = 255;

// Whether a typed name (UTF-8) may name a folder or an item: at most MaxNameLength characters, and no
// control character (C0, DEL or C1). A line break, a tab or a NUL would show as a row that hides part of
// the name or looks empty; such a name is refused the way a taken name is, and the label reverts.
bool IsAcceptableName(std::string_view name);

} // namespace notes
