#include "ui/Timer.h"

#include <utility>

namespace ui {

Timer::Timer(std::string name, Control* container, int interval)
    : Control(std::move(name), container), interval_(interval) {}

void Timer::tick() {
    if (Enabled())
        Elapsed();
}

} // namespace ui
