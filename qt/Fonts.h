#pragma once

#include "ui/Font.h"

#include <QFont>

namespace qt {

// The Qt font for a control's font. Where the named face is not installed, a face of the same kind
// stands in: the system's fixed-pitch font, or its general sans-serif font, at the size and style asked.
QFont fontOf(const ui::Font& font);

} // namespace qt
