#pragma once

#include "ui/Platform.h"

namespace qt {

// The platform services on Qt: the input dialog, the event pump, the clock, pop-up menus and the end
// of the program. Pop-up menus are the QMenus the menu binding built, found by the entry's name.
class QtPlatform : public ui::Platform {
public:
    std::string inputText(const std::string& prompt, const std::string& title,
                          const std::string& defaultText) override;
    void processEvents() override;
    std::string systemDateText() override;
    double secondsSinceMidnight() override;
    void popupMenu(ui::MenuEntry& menu, const std::string& owner, int x, int y,
                   ui::MenuEntry* defaultEntry) override;
    void endProgram() override;
};

} // namespace qt
