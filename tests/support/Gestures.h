#pragma once

#include "ui/Input.h"
#include "ui/TextBox.h"
#include "ui/TreeView.h"

#include <optional>
#include <string>

namespace testing_support {

// A drag as the skin reports one: a press over node `from`, the drag starting, a drop over node `to`
// with the modifier keys `shift`, and the end of the drag.
inline void dragNode(ui::TreeView& tree, int from, int to, int16_t shift = 0) {
    tree.userMouseDown(ui::vbLeftButton, shift, ui::TreeView::pointOf(from));
    tree.userStartDrag();
    tree.userDragOver(ui::TreeView::pointOf(to));
    tree.userDrop(shift, ui::TreeView::pointOf(to));
    tree.userCompleteDrag();
}

// Typing at the end of the text as the skin reports it: the widget keeps the text, the control hears
// only that it changed and reads the widget when someone asks for the text.
inline void type(ui::TextBox& box, const std::string& typed) {
    box.setTextSource([shown = box.Text() + typed]() -> std::optional<std::string> { return shown; });
    box.userModified();
}

} // namespace testing_support
