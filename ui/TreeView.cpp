#include "ui/TreeView.h"

#include <algorithm>
#include <utility>

namespace ui {

void TreeNode::setText(std::string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    tree_->NodeChanged(*this);
}

bool TreeNode::Selected() const {
    return tree_->selected_ == this;
}

void TreeNode::setSelected(bool selected) {
    if (selected)
        tree_->select(this);
    else if (Selected())
        tree_->select(nullptr);
}

void TreeNode::setExpanded(bool expanded) {
    if (expanded_ == expanded)
        return;
    expanded_ = expanded;
    tree_->NodeChanged(*this);
}

TreeNode* TreeNodes::Add(std::string key, std::string text, int image, int selectedImage) {
    return append(std::move(key), std::move(text), image, selectedImage, nullptr);
}

TreeNode* TreeNodes::Add(std::string_view relativeKey, TreeRelationship relationship, std::string key,
                         std::string text, int image, int selectedImage) {
    TreeNode* relative = find(relativeKey);
    if (relative == nullptr || relationship != tvwChild)
        return nullptr;
    return append(std::move(key), std::move(text), image, selectedImage, relative);
}

TreeNode* TreeNodes::append(std::string key, std::string text, int image, int selectedImage,
                            TreeNode* parent) {
    if (byKey_.contains(key))
        return nullptr;
    tree_.NodeAboutToBeAdded(parent);
    auto& siblings = parent != nullptr ? parent->children_ : topLevel_;
    auto node = std::make_unique<TreeNode>();
    node->tree_ = &tree_;
    node->index_ = Count() + 1;
    node->key_ = std::move(key);
    node->text_ = std::move(text);
    node->image_ = image;
    node->selectedImage_ = selectedImage;
    node->parent_ = parent;
    node->row_ = static_cast<int>(siblings.size());
    TreeNode* added = node.get();
    nodes_.push_back(std::move(node));
    byKey_.emplace(added->key_, added);
    siblings.push_back(added);
    tree_.NodeAdded(*added);
    return added;
}

TreeNode* TreeNodes::find(std::string_view key) const {
    const auto it = byKey_.find(std::string(key));
    return it == byKey_.end() ? nullptr : it->second;
}

namespace {

bool isInSubtree(const TreeNode* node, const TreeNode* top) {
    for (; node != nullptr; node = node->Parent()) {
        if (node == top)
            return true;
    }
    return false;
}

// The node that takes over the selection when `removed` goes: next sibling, previous sibling, parent.
TreeNode* successorOf(const TreeNode& removed, const std::vector<TreeNode*>& siblings) {
    const auto it = siblings.begin() + removed.Row();
    if (it + 1 != siblings.end())
        return *(it + 1);
    if (it != siblings.begin())
        return *(it - 1);
    return removed.Parent();
}

} // namespace

void TreeNodes::Remove(int index) {
    if (index < 1 || index > Count())
        return;
    TreeNode& node = (*this)(index);
    TreeNode* const before = tree_.selected_;
    TreeNode* after = before;
    if (isInSubtree(before, &node))
        after = successorOf(node, node.parent_ != nullptr ? node.parent_->children_ : topLevel_);
    tree_.SubtreeAboutToBeRemoved(node);
    removeSubtree(node);
    tree_.SubtreeRemoved();
    tree_.selected_ = after;
    if (after != before)
        tree_.SelectionChanged();
}

void TreeNodes::removeSubtree(TreeNode& node) {
    while (!node.children_.empty())
        removeSubtree(*node.children_.back());
    removeOne(node);
}

void TreeNodes::removeOne(TreeNode& node) {
    const int index = node.index_;
    tree_.forgetRemoved(node);
    auto& siblings = node.parent_ != nullptr ? node.parent_->children_ : topLevel_;
    const auto at = siblings.erase(siblings.begin() + node.row_);
    for (auto later = at; later != siblings.end(); ++later)
        --(*later)->row_;
    byKey_.erase(node.key_);
    nodes_.erase(nodes_.begin() + (index - 1));
    for (std::size_t i = static_cast<std::size_t>(index - 1); i < nodes_.size(); ++i)
        nodes_[i]->index_ = static_cast<int>(i) + 1;
}

void TreeNodes::Clear() {
    while (!topLevel_.empty())
        Remove(topLevel_.back()->index_);
}

TreeView::TreeView(std::string name, Control* container) : Control(std::move(name), container) {}

void TreeView::select(TreeNode* node) {
    if (selected_ == node)
        return;
    selected_ = node;
    SelectionChanged();
}

// A removed node must not stay the selection, drop target or edited node; the selection itself is
// moved on by Remove, which knows the removed subtree.
void TreeView::forgetRemoved(TreeNode& node) {
    if (selected_ == &node)
        selected_ = nullptr;
    if (dropHighlight_ == &node)
        setDropHighlight(nullptr);
    forgetEdited(&node);
}

TreeNode* TreeView::HitTest(int x, int y) const {
    int index = 0;
    if (hitTest_)
        index = hitTest_(x, y);
    else if (y >= 0)
        index = y / RowHeight + 1;
    return index >= 1 && index <= Nodes.Count() ? &Nodes(index) : nullptr;
}

void TreeView::setDropHighlight(TreeNode* node) {
    if (dropHighlight_ == node)
        return;
    dropHighlight_ = node;
    DropHighlightChanged();
}

void TreeView::userClickNode(int index, Point at) {
    if (!acceptsInput() || index < 1 || index > Nodes.Count())
        return;
    MouseDown(vbLeftButton, 0, at.x, at.y);
    select(&Nodes(index));
    MouseUp(vbLeftButton, 0, at.x, at.y);
    if (selected_ != nullptr)
        NodeClick(*selected_);
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
    if (acceptsInput() && index >= 1 && index <= Nodes.Count())
        Nodes(index).setExpanded(expanded);
}

void TreeView::userStartDrag() {
    if (!acceptsInput() || dragging_)
        return;
    dragging_ = true;
    OLEStartDrag();
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
}

void TreeView::userDragNode(int from, int to, int16_t shift) {
    userMouseDown(vbLeftButton, shift, pointOf(from));
    userStartDrag();
    userDragOver(pointOf(to));
    userDrop(shift, pointOf(to));
    userCompleteDrag();
}

} // namespace ui
