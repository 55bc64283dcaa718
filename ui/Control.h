#pragma once

#include "ui/Signal.h"

#include <string>

namespace ui {

// What every control has: a name, a place in its container, and the Enabled and Visible states. A control
// takes user input only while it, every container around it and its window are enabled and visible, so a
// gesture on a hidden panel or a disabled window is ignored just as the real control would ignore it.
class Control {
public:
    Control(std::string name, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Control* Container() const { return container_; }

    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void setVisible(bool visible);

    bool acceptsInput() const;

    // Raised after any property that the skin mirrors has changed.
    Signal<> Changed;

protected:
    void notifyChanged() const { Changed(); }

private:
    std::string name_;
    Control* container_;
    bool enabled_ = true;
    bool visible_ = true;
};

} // namespace ui
