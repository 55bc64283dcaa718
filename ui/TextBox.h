#pragma once

#include "ui/Control.h"

#include <functional>
#include <optional>
#include <string>

namespace ui {

// A text box. Every write of its text, by code or by the user's typing, raises Change; writing the text
// it already holds raises no Change, as with the real control.
//
// While the user types, the text belongs to whoever shows it: the skin's widget tells the control only
// that the text was modified, and the control fetches the text from the widget the next time someone
// reads it. So a keystroke costs the same in a note of a few bytes as in one of megabytes.
class TextBox : public Control {
public:
    TextBox(std::string name, Control* container);

    const std::string& Text() const;
    void setText(std::string text);

    // The skin installs the source of the text the user typed into its widget; a source that can no
    // longer answer (its widget is gone) gives nullopt, and the text last fetched stays.
    using TextSource = std::function<std::optional<std::string>()>;
    void setTextSource(TextSource source) { source_ = std::move(source); }

    // Gestures. The user edits the text; `text` is the whole text afterwards.
    void userEdit(std::string text);
    // The user changed the text in the skin's widget, which holds it until the control fetches it.
    void userModified();
    void userClick();

    Signal<> Change;
    Signal<> Click;

    // Notifications for the skin. The program wrote the text: raised on every write, the same text
    // included, because a text put by the program starts a new document whose undo history holds nothing
    // of what was shown before (otherwise undo would carry one note's text into the next).
    Signal<> TextSet;

private:
    mutable std::string text_;
    // The widget holds a newer text than text_.
    mutable bool stale_ = false;
    TextSource source_;
};

} // namespace ui
