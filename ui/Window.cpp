#include "ui/Window.h"

#include <utility>

namespace ui {

Window::Window(std::string name, std::string caption)
    : Control(std::move(name), nullptr), caption_(std::move(caption)) {
    setVisible(false);
}

void Window::markUnloaded() {
    setVisible(false);
    Unloaded();
}

void Window::userClose() {
    if (acceptsInput())
        Unload();
}

void Window::userClick() {
    if (acceptsInput())
        Click();
}

void Window::keyboardTo(Control& control) {
    holder_ = &control;
    holderTookInput_ = control.acceptsInput();
}

void Window::keyboardReported(Control& control) {
    if (!settling_)
        keyboardTo(control);
}

void Window::keyboardMayMove() {
    if (settling_ || holder_ == nullptr || holder_->acceptsInput() == holderTookInput_)
        return;
    settling_ = true;
    KeyboardSettleRequested();
}

void Window::settleKeyboard() {
    if (!settling_)
        return;
    settling_ = false;
    Control* target = holder_;
    holderTookInput_ = holder_->acceptsInput();
    if (!holderTookInput_ && rule_)
        if (Control* next = rule_(*holder_))
            target = next;
    const bool inHere = target->window() == this;
    if (inHere)
        keyboardTo(*target);
    if (!target->acceptsInput())
        return;
    // Coming back from another window (the about box), this window is raised again first.
    if (inHere && std::exchange(lentAway_, false))
        FocusRequested();
    lentAway_ = lentAway_ || !inHere;
    target->FocusRequested();
}

} // namespace ui
