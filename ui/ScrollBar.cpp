#include "ui/ScrollBar.h"

#include <algorithm>
#include <utility>

namespace ui {

HScrollBar::HScrollBar(std::string name, Control* container, int min, int max, int value)
    : Control(std::move(name), container), min_(min), max_(max), value_(std::clamp(value, min, max)) {}

void HScrollBar::setValue(int value) {
    value = std::clamp(value, min_, max_);
    if (value_ == value)
        return;
    value_ = value;
    notifyChanged();
    Change();
}

void HScrollBar::userSetValue(int value) {
    if (acceptsInput())
        setValue(value);
}

} // namespace ui
