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

    // The form is unloaded: it is hidden for good and its widget goes with it. A form that is loaded again
    // is a fresh one.
    void markUnloaded();

    // The user closes the window with the system's close command.
    void userClose();
    // The user clicks the window's background.
    void userClick();

    Signal<> Unload;
    Signal<> Click;

    // Notification for the skin: the form was unloaded.
    Signal<> Unloaded;

private:
    std::string caption_;
};

} // namespace ui
