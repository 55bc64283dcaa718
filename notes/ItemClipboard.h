#pragma once

#include "notes/Table.h"

#include <cstdint>
#include <string>

namespace notes {

// The window's own clipboard of items, apart from the system clipboard: the names and texts of the
// items copied or cut last. A paste leaves it as it is, so the same items can be pasted again and again.
struct ItemClipboard {
    Table<std::string> ClipName;
    Table<std::string> ClipText;
    int16_t ClipCount = 0;
};

} // namespace notes
