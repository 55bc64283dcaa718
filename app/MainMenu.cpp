#include "app/MainMenu.h"

namespace app {

ui::MenuEntry& MainMenu::entry(ui::MenuEntry& menu, const char* name, int index, const char* caption,
                               const char* shortcut, State state) {
    ui::MenuEntry& added = menu.addEntry(name, index, caption, shortcut);
    added.setEnabled(state != Disabled);
    added.setVisible(state != Hidden);
    return added;
}

} // namespace app
