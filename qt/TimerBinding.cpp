#include "qt/TimerBinding.h"

#include "qt/Mirror.h"

#include <QTimer>

namespace qt {

void bindTimer(ui::Timer& control, QObject& owner) {
    auto* timer = new QTimer(&owner);
    timer->setObjectName(toQString(control.Name()));
    timer->setInterval(control.Interval());
    QObject::connect(timer, &QTimer::timeout, timer, [&control] { control.tick(); });
    // Starting again would restart the interval, so a running timer is left running.
    const auto follow = [&control, timer] {
        if (!control.Enabled())
            timer->stop();
        else if (!timer->isActive())
            timer->start();
    };
    follow();
    connectWhileAlive(control.Changed, timer, follow);
}

} // namespace qt
