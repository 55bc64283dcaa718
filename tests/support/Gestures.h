#pragma once

#include "ui/Input.h"
#include "ui/TextBox.h"
#include "ui/TreeView.h"

#include <optional>
#include <string>
#include <utility>

namespace tests {

// A drag as the skin reports one: a press over node `from`, the drag starting, a drop over node `to`
// with the modifier keys `shift`, and the end of the drag.
inline void dragNode(ui::TreeView& tree, int from, int to, int16_t shift = 0) {
    tree.userMouseDown(ui::vbLeftButton, shift, ui::TreeView::pointOf(from));
    tree.userStartDrag();
    tree.userDragOver(ui::TreeView::pointOf(to));
    tree.userDrop(shift, ui::TreeView::pointOf(to));
    tree.userCompleteDrag();
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
