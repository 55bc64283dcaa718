#pragma once

#include "app/MainControls.h"

#include <QWidget>

namespace qt {

// Fills the scheduler panel's frame with its widgets: the month caption, the month scroller, the "Today"
// and "All" buttons, the date list, the day's editor and, behind them all, the panel's background
// button; and runs the date timer. The widgets are created in the order Tab takes them.
void buildSchedulerPanel(app::MainControls& controls, QWidget& panel);

} // namespace qt
