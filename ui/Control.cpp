#include "ui/Control.h"

#include "ui/Window.h"

#include <utility>

namespace ui {

Control::Control(std::string name, Control* container) : name_(std::move(name)), container_(container) {}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    stateChanged();
}

void Control::setVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    stateChanged();
}

bool Control::acceptsInput() const {
    for (const Control* c = this; c != nullptr; c = c->container_)
        if (!c->enabled_ || !c->visible_)
            return false;
    return true;
}

Window* Control::window() {
    Control* outermost = this;
    while (outermost->container_ != nullptr)
        outermost = outermost->container_;
    return dynamic_cast<Window*>(outermost);
}

void Control::SetFocus() {
    if (Window* w = window())
        w->keyboardTo(*this);
    FocusRequested();
}

void Control::userGotFocus() {
    if (Window* w = window())
        w->keyboardReported(*this);
}

// The window hears of the change before the skin mirrors it: the toolkit moves the keyboard by itself
// as it disables or hides a widget, and the window must know that move for its own, not the user's.
void Control::stateChanged() {
    if (Window* w = window())
        w->keyboardMayMove();
    notifyChanged();
}

} // namespace ui
