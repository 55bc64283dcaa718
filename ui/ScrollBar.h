#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

// A horizontal scroll bar. Writing a value different from the current one, by code or by the user,
// raises Change; values outside Min..Max are brought to the nearer end.
class HScrollBar : public Control {
public:
    HScrollBar(std::string name, Control* container, int min, int max, int value);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    void setValue(int value);

    void userSetValue(int value);

    Signal<> Change;

private:
    int min_;
    int max_;
    int value_;
};

} // namespace ui
