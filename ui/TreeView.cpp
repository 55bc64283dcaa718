#include "ui/TreeView.h"

#include <cstdlib>
#include <utility>

namespace ui {

TreeView::TreeView(std::string name, Control* container) : Control(std::move(name), container) {}

void TreeView::select(TreeNode* node) {
    if (selected_ == node)
        return;
    Nodes.completePending();
    selected_ = node;
    SelectionChanged();
}

// A removed node must not stay the selection, drop target, edited, pressed or handed node; the selection
// itself is moved on by Remove, which knows the removed subtree.
void TreeView::forgetRemoved(TreeNode& node) {
    if (selected_ == &node)
        selected_ = nullptr;
    if (dropHighlight_ == &node)
        setDropHighlight(nullptr);
    if (pressed_ == &node)
        pressed_ = nullptr;
    if (handed_.node == &node)
        handed_.node = nullptr;
    forgetEdited(&node);
}

TreeNode* TreeView::HitTest(int x, int y) const {
    if (handed_.active && handed_.at.x == x && handed_.at.y == y)
        return handed_.node;
    return y >= 0 ? nodeAt(y / RowHeight + 1) : nullptr;
}

void TreeView::handing(Point at, TreeNode* node, const std::function<void()>& raise) {
    handed_ = {true, at, node};
    raise();
    handed_ = {};
}

void TreeView::setDropHighlight(TreeNode* node) {
    if (dropHighlight_ == node)
        return;
    Nodes.completePending();
    dropHighlight_ = node;
    DropHighlightChanged();
}

void TreeView::userClickNode(int index) {
    if (TreeNode* node = nodeAt(index))
        clickNode(*node, pointOf(index));
}

void TreeView::userSelectWithKeyboard(int index) {
    if (!acceptsInput() || index < 1 || index > Nodes.Count())
        return;
    select(&Nodes(index));
    NodeClick(*selected_);
}

void TreeView::userRightClick(Point at) {
    userMouseDown(vbRightButton, 0, at);
    userMouseUp(vbRightButton, 0, at);
}

void TreeView::userKeyUp(int16_t keyCode, int16_t shift) {
    if (acceptsInput())
        KeyUp(keyCode, shift);
}

void TreeView::userMouseDown(int16_t button, int16_t shift, Point at) {
    if (acceptsInput())
        MouseDown(button, shift, at.x, at.y);
}

void TreeView::userMouseUp(int16_t button, int16_t shift, Point at) {
    if (acceptsInput())
        MouseUp(button, shift, at.x, at.y);
}

void TreeView::userSetExpanded(int index, bool expanded) {
    if (!acceptsInput() || index < 1 || index > Nodes.Count())
        return;
    TreeNode& node = Nodes(index);
    node.setExpanded(expanded);
    if (!expanded && selected_ != nullptr && selected_ != &node && selected_->isWithin(node)) {
        select(&node);
        NodeClick(node);
    }
}

void TreeView::userStartDrag() {
    if (!acceptsInput() || dragging_)
        return;
    dragging_ = true;
    OLEStartDrag();
    DraggingChanged();
}

void TreeView::userDragOver(Point at) {
    if (dragging_)
        OLEDragOver(at.x, at.y);
}

void TreeView::userDrop(int16_t shift, Point at) {
    if (dragging_)
        OLEDragDrop(shift, at.x, at.y);
}

void TreeView::userCompleteDrag() {
    if (!dragging_)
        return;
    dragging_ = false;
    OLECompleteDrag();
    DraggingChanged();
}

// The MouseDown handler runs before the selection moves, and HitTest finds the clicked node there.
void TreeView::clickNode(TreeNode& node, Point at) {
    if (!acceptsInput())
        return;
    const int index = node.Index();
    handing(at, &node, [&] {
        MouseDown(vbLeftButton, 0, at.x, at.y);
        select(&Nodes(index));
        MouseUp(vbLeftButton, 0, at.x, at.y);
        if (selected_ != nullptr)
            NodeClick(*selected_);
    });
}

bool TreeView::userPress(int16_t button, int16_t shift, Hit hit, bool onMark) {
    if (dragging_)
        return false;
    TreeNode* node = nodeAt(hit.row);
    pressEndedEdit_ = editingNode() != nullptr;
    if (pressEndedEdit_) {
        if (!completeEditForPress(node))
            return false;
    } else if (button == vbLeftButton && onMark) {
        return true;
    }
    pressed_ = nullptr;
    if (button == vbLeftButton && node != nullptr) {
        pressed_ = node;
        pressedAt_ = hit.at;
    } else if (button == vbLeftButton || button == vbRightButton) {
        handing(
            hit.at, node, [&] { userMouseDown(button, shift, hit.at); });
    }
    return false;
}

bool TreeView::userRelease(int16_t button, int16_t shift, Hit hit, bool onMark) {
    if (dragging_) {
        if (button == vbLeftButton) {
            handing(hit.at, nodeAt(hit.row), [&] { userDrop(shift, hit.at); });
            userCompleteDrag();
        }
        return false;
    }
    if (button == vbLeftButton && pressed_ != nullptr) {
        TreeNode* const pressed = std::exchange(pressed_, nullptr);
        if (nodeAt(hit.row) == pressed || pressEndedEdit_)
            clickNode(*pressed, pressedAt_);
        return false;
    }
    if (button == vbLeftButton && onMark)
        return true;
    if (button == vbLeftButton || button == vbRightButton)
        handing(hit.at, nodeAt(hit.row), [&] { userMouseUp(button, shift, hit.at); });
    return false;
}

// The first click of a double click has already selected the node; the second opens or closes it, and
// may become a drag or a click of its own.
bool TreeView::userDoubleClick(int16_t button, int16_t shift, Hit hit, bool onMark) {
    TreeNode* const node = nodeAt(hit.row);
    if (dragging_ || button != vbLeftButton || node == nullptr || onMark)
        return userPress(button, shift, hit, onMark);
    pressEndedEdit_ = false;
    if (!node->Children().empty())
        userSetExpanded(node->Index(), !node->Expanded());
    pressed_ = node;
    pressedAt_ = hit.at;
    return false;
}

void TreeView::userMove(int16_t buttons, int16_t shift, Hit hit) {
    if (dragging_) {
        handing(hit.at, nodeAt(hit.row), [&] { userDragOver(hit.at); });
        return;
    }
    if (pressed_ == nullptr || (buttons & vbLeftButton) == 0)
        return;
    if (std::abs(hit.at.x - pressedAt_.x) + std::abs(hit.at.y - pressedAt_.y) >= startDragDistance_)
        startDrag(shift, hit);
}

// The drag's MouseDown is the press's, so that the form takes the pressed node as the dragged one.
void TreeView::startDrag(int16_t shift, Hit hit) {
    TreeNode* const pressed = std::exchange(pressed_, nullptr);
    handing(pressedAt_, pressed, [&] { userMouseDown(vbLeftButton, shift, pressedAt_); });
    userStartDrag();
    handing(hit.at, nodeAt(hit.row), [&] { userDragOver(hit.at); });
}

bool TreeView::userKeyDown(int16_t keyCode, Hit keyboardRow) {
    if (dragging_) {
        if (keyCode == vbKeyEscape)
            userCompleteDrag();
        return false;
    }
    if (editingNode() != nullptr)
        return false;
    TreeNode* const node = nodeAt(keyboardRow.row);
    if (keyCode != vbKeySpace || node == nullptr)
        return true;
    clickNode(*node, keyboardRow.at);
    return false;
}

void TreeView::userKeyRelease(int16_t keyCode, int16_t shift) {
    if (!dragging_ && editingNode() == nullptr && keyCode != 0)
        userKeyUp(keyCode, shift);
}

void TreeView::userContextMenuKey(Hit keyboardRow) {
    if (!dragging_ && editingNode() == nullptr && keyboardRow.row != 0)
        handing(
            keyboardRow.at, nodeAt(keyboardRow.row), [&] { userRightClick(keyboardRow.at); });
}

} // namespace ui
