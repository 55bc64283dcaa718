#pragma once

#include "ui/MenuEntry.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace tests {

// The name an entry goes by: its control name, with "_" and its index for an entry of a control array
// ("mItemCopy_2").
inline std::string entryName(const ui::MenuEntry& entry) {
    return entry.Index() < 0 ? entry.Name() : entry.Name() + "_" + std::to_string(entry.Index());
}

// The entries a user can choose as commands that act inside the window, in menu order: every entry but
// the menus, the separators, the about box, which opens a window of its own that holds the keyboard until
// closed, and Discard & quit, which only ends the program.
inline std::vector<ui::MenuEntry*> windowCommands(const ui::MenuBar& bar) {
    std::vector<ui::MenuEntry*> commands;
    for (ui::MenuEntry* entry : bar.allEntries()) {
        const std::string name = entryName(*entry);
        if (entry->Entries().empty() && !entry->IsSeparator() && name != "mOptionsAbout" &&
            name != "mFileMenu_2")
            commands.push_back(entry);
    }
    return commands;
}

inline ui::MenuEntry& entryNamed(const ui::MenuBar& bar, const std::string& name) {
    for (ui::MenuEntry* entry : bar.allEntries())
        if (entryName(*entry) == name)
            return *entry;
    throw std::invalid_argument("no menu entry " + name);
}

} // namespace tests
