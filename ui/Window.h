#pragma once

#include "ui/Control.h"

#include <functional>
#include <string>

namespace ui {

// A top-level window. It starts hidden; a disabled window takes no user input, and neither does any
// control inside it.
//
// Where the keyboard goes is decided here, not left to the toolkit, which hands it to the next widget
// in the tab order the moment a program step disables or hides the widget holding it, and never gives
// it back: whatever the user types next would land there. The window follows the control that holds
// the keyboard (userGotFocus, SetFocus) and, once a program step has ended, settles it:
// - when the step leaves the holder enabled and shown (it was disabled or hidden on the way, as a
//   rebuilt list disables its editor before it opens the next day), the holder keeps the keyboard;
// - when the step leaves it disabled or hidden, the keyboard goes where the program's KeyboardRule says
//   the user acts next, and stays with the holder when the rule names nothing;
// - when a later step lets the holder take input again without the user having gone elsewhere (the
//   main window enabled again as the about box closes), the holder gets the keyboard back.
// The toolkit's own moves between the change and the settling are not the user's and are not followed.
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

    // The control that holds the keyboard, or nullptr before any took it.
    Control* keyboardHolder() const { return holder_; }
    // Where the keyboard goes when a step ends with `holder` disabled or hidden; nullptr leaves it there.
    using KeyboardRule = std::function<Control*(const Control& holder)>;
    void setKeyboardRule(KeyboardRule rule) { rule_ = std::move(rule); }

    // Notification for the skin: call settleKeyboard once the running step has ended.
    Signal<> KeyboardSettleRequested;
    void settleKeyboard();

private:
    friend class Control;
    void keyboardTo(Control& control);
    void keyboardReported(Control& control);
    void keyboardMayMove();

    std::string caption_;
    Control* holder_ = nullptr;
    // Whether the holder took input when the keyboard was last settled or taken.
    bool holderTookInput_ = false;
    bool settling_ = false;
    // The keyboard went to another window while the holder could take no input.
    bool lentAway_ = false;
    KeyboardRule rule_;
};

} // namespace ui
