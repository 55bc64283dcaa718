#pragma once

#include "ui/Signal.h"

#include <string>

namespace ui {

class Window;

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
    // The window the control stands in, or nullptr when its outermost container is no window.
    Window* window();

    // Asks for the keyboard, as the real control's SetFocus does; the control then holds it.
    void SetFocus();
    // Gesture: the control's widget took the keyboard.
    void userGotFocus();

    // Raised after any property that the skin mirrors has changed.
    Signal<> Changed;
    // Notification for the skin: the keyboard goes to this control.
    Signal<> FocusRequested;

protected:
    void notifyChanged() const { Changed(); }

private:
    // Enabled or Visible changed: tells the window, which may have to move the keyboard once the step ends.
    void stateChanged();

    std::string name_;
    Control* container_;
    bool enabled_ = true;
    bool visible_ = true;
};

} // namespace ui
