#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

// A top-level window. It starts hidden; a disabled window takes no user input, and neither does any
// control inside it.
class Window : public Control {
public:
    Window(std::string name, std::string caption);

    const std::string& Caption() const { return caption_; }

    // The user closes the window with the system's close command.
    void userClose();
    // The user clicks the window's background.
    void userClick();

    Signal<> Unload;
    Signal<> Click;

private:
    std::string caption_;
};

} // namespace ui
