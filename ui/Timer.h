#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

// A timer. It has no look; the skin (or a test) calls tick() whenever Interval milliseconds have passed,
// and an enabled timer then raises Timer. A timer fires also while its container is hidden.
class Timer : public Control {
public:
    Timer(std::string name, Control* container, int interval);

    int Interval() const { return interval_; }
    void tick();

    // The Timer event.
    Signal<> Elapsed;

private:
    int interval_;
};

} // namespace ui
