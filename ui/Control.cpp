#include "ui/Control.h"

#include <utility>

namespace ui {

Control::Control(std::string name, Control* container) : name_(std::move(name)), container_(container) {}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    notifyChanged();
}

void Control::setVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    notifyChanged();
}

bool Control::acceptsInput() const {
    for (const Control* c = this; c != nullptr; c = c->container_)
        if (!c->enabled_ || !c->visible_)
            return false;
    return true;
}

} // namespace ui
