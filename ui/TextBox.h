#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

// A text box. Every write of its text, by code or by the user's typing, raises Change; writing the text
// it already holds raises nothing, as with the real control.
class TextBox : public Control {
public:
    TextBox(std::string name, Control* container);

    const std::string& Text() const { return text_; }
    void setText(std::string text);

    // The user edits the text; `text` is the whole text afterwards.
    void userEdit(std::string text);
    // The user types `typed` at the end of the text.
    void userType(const std::string& typed) { userEdit(text_ + typed); }
    void userClick();

    Signal<> Change;
    Signal<> Click;

private:
    std::string text_;
};

} // namespace ui
