#pragma once

#include "ui/Input.h"
#include "ui/MenuEntry.h"
#include "ui/TextBox.h"
#include "ui/TreeView.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tests {

// Row `row` under the pointer, at its centre in the tree's default layout, as the skin hands it.
inline ui::Hit on(int row) {
    return {row, ui::TreeView::pointOf(row)};
}

// A drag as the skin reads it: a press on `from`, moves aside and onto `to`, `beforeDrop`, the release.
inline void dragNode(
    ui::TreeView& tree, int from, int to, int16_t shift = 0,
    const std::function<void()>& beforeDrop = [] {}) {
    tree.userPress(ui::vbLeftButton, 0, on(from), false);
    tree.userMove(ui::vbLeftButton, 0, {from, {on(from).at.x + 20, on(from).at.y}});
    tree.userMove(ui::vbLeftButton, shift, on(to));
    beforeDrop();
    tree.userRelease(ui::vbLeftButton, shift, on(to), false);
}

// The steps of a scripted gesture, "press 2, esc, release 2", as words with the row each names (0: none).
inline std::vector<std::pair<std::string, int>> scriptSteps(std::string script) {
    std::replace(script.begin(), script.end(), ',', ' ');
    std::istringstream in(script);
    std::vector<std::pair<std::string, int>> steps;
    for (std::string word; in >> word;) {
        steps.emplace_back(word, 0);
        if (std::isdigit((in >> std::ws).peek()) != 0)
            in >> steps.back().second;
    }
    return steps;
}

// The user changes the whole text of a text box to `text`, as the skin reports it: the widget keeps the
// text, the control hears only that it changed and reads the widget when someone asks for the text.
inline void edit(ui::TextBox& box, std::string text) {
    box.setTextSource([shown = std::move(text)]() -> std::optional<std::string> { return shown; });
    box.userModified();
}

// Typing at the end of the text.
inline void type(ui::TextBox& box, const std::string& typed) {
    edit(box, box.Text() + typed);
}

// The name an entry goes by: its control name, with "_" and its index in a control array ("mItemCopy_2").
inline std::string entryName(const ui::MenuEntry& entry) {
    return entry.Index() < 0 ? entry.Name() : entry.Name() + "_" + std::to_string(entry.Index());
}

inline ui::MenuEntry& entryNamed(const ui::MenuBar& bar, const std::string& name) {
    const std::vector<ui::MenuEntry*> all = bar.allEntries();
    return *all.at(std::find_if(all.begin(), all.end(), [&](auto* e) { return entryName(*e) == name; }) -
                   all.begin());
}

// The commands that act inside the window: all entries but menus, separators, the about box (a window
// of its own, holding the keyboard until closed) and Discard & quit (it only ends the program).
inline std::vector<ui::MenuEntry*> windowCommands(const ui::MenuBar& bar) {
    std::vector<ui::MenuEntry*> commands;
    for (ui::MenuEntry* entry : bar.allEntries())
        if (entry->entries().empty() && !entry->isSeparator() && entryName(*entry) != "mOptionsAbout" &&
            entryName(*entry) != "mFileMenu_2")
            commands.push_back(entry);
    return commands;
}

} // namespace tests
