#pragma once

#include "ui/Timer.h"

#include <QObject>

namespace qt {

// Runs a QTimer, owned by `owner`, behind a headless timer: it ticks the control every Interval
// milliseconds while the control is enabled, whether or not any widget is shown.
void bindTimer(ui::Timer& control, QObject& owner);

} // namespace qt
