#pragma once

#include "app/MainControls.h"

#include <QWidget>

namespace qt {

// Fills the calculator panel's frame with its widgets: the input line, the result, the slot list and the
// information lines, one under the other.
void buildCalculatorPanel(app::MainControls& controls, QWidget& panel);

} // namespace qt
