#pragma once

#include "ui/MenuEntry.h"

#include <QString>

namespace qt {

// The objectName of a menu entry's QAction (and of a menu's QMenu): the control's name, and for an
// entry of a control array its name and index, e.g. mItemCopy_0.
QString objectNameOf(const ui::MenuEntry& entry);

} // namespace qt
