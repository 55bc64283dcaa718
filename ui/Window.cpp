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

} // namespace ui
