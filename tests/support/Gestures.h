#pragma once

#include "ui/Input.h"
#include "ui/TextBox.h"
#include "ui/TreeView.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tests {

// Row `row` of a tree or list under the pointer, at its centre in the tree's default layout, as the skin
// hands it with a gesture.
inline ui::Hit on(int row) {
    return {row, ui::TreeView::pointOf(row)};
}

// A left click as the skin reads it: the press and the release over the same row.
inline void clickRow(ui::TreeView& tree, int row) {
    tree.userPress(ui::vbLeftButton, 0, on(row), false);
    tree.userRelease(ui::vbLeftButton, 0, on(row), false);
}

// A drag as the skin reads one: a press over node `from`, a move aside and one over node `to`, and the
// release there with the modifier keys `shift`.
inline void dragNode(ui::TreeView& tree, int from, int to, int16_t shift = 0) {
    tree.userPress(ui::vbLeftButton, 0, on(from), false);
    tree.userMove(ui::vbLeftButton, 0, {from, {on(from).at.x + 20, on(from).at.y}});
    tree.userMove(ui::vbLeftButton, shift, on(to));
    tree.userRelease(ui::vbLeftButton, shift, on(to), false);
}

// The user types `name` into the open name editor of a tree or list; the control takes it when it
// completes the edit itself.
template <typename View> void typeName(View& view, std::string name) {
    view.setEditorCloser([name = std::move(name)] { return std::optional<std::string>(name); });
}

// The steps of a scripted gesture, "press 2, esc, release 2", as words with the row each names (0: none).
inline std::vector<std::pair<std::string, int>> scriptSteps(std::string script) {
    std::replace(script.begin(), script.end(), ',', ' ');
    std::istringstream in(script);
    std::vector<std::pair<std::string, int>> steps;
    for (std::string word; in >> word;) {
        int row = 0;
        if (std::isdigit((in >> std::ws).peek()) != 0)
            in >> row;
        steps.emplace_back(word, row);
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

} // namespace tests
