#pragma once

#include "app/MainControls.h"

#include <QWidget>

namespace skin {

// The calculator panel's widgets inside its frame: the input line, the result, the slot list and the
// information lines, one under the other.
QWidget* buildCalculatorPanel(app::MainControls& controls, int width, QWidget* parent);

} // namespace skin
