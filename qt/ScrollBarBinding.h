#pragma once

#include "ui/ScrollBar.h"

#include <QScrollBar>

namespace qt {

// Binds a scroll bar widget to a headless horizontal scroll bar: range, value, Enabled and Visible follow
// the control, and every value the user sets is handed to it. The keyboard reaches the bar, which shows
// that it has the focus, and its arrow keys step it as its arrows do.
void bindScrollBar(ui::HScrollBar& control, QScrollBar& widget);

} // namespace qt
