#pragma once

#include <string>

namespace ui {

class MenuEntry;

// The services of the platform the program asks for, behind one interface so that tests can script them.
class Platform {
public:
    virtual ~Platform() = default;

    // Shows a modal dialog with a prompt, a title and an editable default text; returns the text the user
    // confirmed, or the empty text when the dialog was cancelled.
    virtual std::string inputText(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) = 0;
    // Lets the user interface handle the events that are waiting, once.
    virtual void processEvents() = 0;
    // Today's date as ten characters MM-DD-YYYY, whatever the user's locale.
    virtual std::string systemDateText() = 0;
    // Seconds since midnight, with fractions.
    virtual double secondsSinceMidnight() = 0;
    // Shows `menu` as a pop-up menu at a position inside `owner` (in the owner's pixel coordinates),
    // with `defaultEntry` drawn bold. Returns when the menu closes; a chosen entry has run its handler
    // by then.
    virtual void popupMenu(MenuEntry& menu, const std::string& owner, int x, int y,
                           MenuEntry* defaultEntry) = 0;
    // Ends the program at once.
    virtual void endProgram() = 0;
};

} // namespace ui
