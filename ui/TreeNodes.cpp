#include "ui/TreeView.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace ui {

void TreeNode::setText(std::string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    if (!tree_->Nodes.pending(*this))
        tree_->NodeChanged(*this);
}

bool TreeNode::isWithin(const TreeNode& top) const {
    for (const TreeNode* node = this; node != nullptr; node = node->parent_)
        if (node == &top)
            return true;
    return false;
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
    if (!tree_->Nodes.pending(*this))
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
    const std::size_t hash = byKey_.hashOf(key);
    if (byKey_.find(key, hash) != nullptr)
        return nullptr;
    const bool joinsPending = parent != nullptr && pending(*parent);
    if (!joinsPending) {
        completePending();
        tree_.NodeAboutToBeAdded(parent);
    }
    auto& siblings = parent != nullptr ? parent->children_ : topLevel_;
    TreeNode* const added = newNode();
    added->tree_ = &tree_;
    added->index_ = Count() + 1;
    added->key_ = std::move(key);
    added->text_ = std::move(text);
    added->image_ = image;
    added->selectedImage_ = selectedImage;
    added->expanded_ = false;
    added->parent_ = parent;
    added->row_ = static_cast<int>(siblings.size());
    nodes_.push_back(added);
    byKey_.insert(added, hash);
    siblings.push_back(added);
    if (batching_ && !joinsPending)
        pendingTop_ = added;
    else if (!joinsPending)
        tree_.NodeAdded(*added);
    return added;
}

void TreeNodes::endAdds() {
    completePending();
    batching_ = false;
}

void TreeNodes::completePending() {
    TreeNode* const top = std::exchange(pendingTop_, nullptr);
    if (top == nullptr)
        return;
    tree_.NodeAdded(*top);
    for (auto it = nodes_.begin() + (top->index_ - 1); it != nodes_.end(); ++it)
        if ((*it)->expanded_)
            tree_.NodeChanged(**it);
}

TreeNode* TreeNodes::find(std::string_view key) const {
    return byKey_.find(key);
}

TreeNode* TreeNodes::newNode() {
    if (free_.empty())
        return &pool_.emplace_back();
    TreeNode* const node = free_.back();
    free_.pop_back();
    return node;
}

// The node keeps its strings' and its children list's memory for the next node made from it.
void TreeNodes::recycle(TreeNode& node) {
    node.children_.clear();
    node.parent_ = nullptr;
    free_.push_back(&node);
}

namespace {

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
    completePending();
    if (index < 1 || index > Count())
        return;
    TreeNode& node = (*this)(index);
    TreeNode* const before = tree_.selected_;
    TreeNode* after = before;
    if (before != nullptr && before->isWithin(node))
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
    recycle(node);
    for (std::size_t i = static_cast<std::size_t>(index - 1); i < nodes_.size(); ++i)
        nodes_[i]->index_ = static_cast<int>(i) + 1;
}

std::vector<TreeNode*>& TreeNodes::siblingsOf(const TreeNode& node) {
    return node.parent_ != nullptr ? node.parent_->children_ : topLevel_;
}

void TreeNodes::removeBatch(const std::vector<int>& indices) {
    completePending();
    const int count = Count();
    std::vector<char> named(static_cast<std::size_t>(count) + 1, 0);
    bool any = false;
    for (const int index : indices) {
        if (index >= 1 && index <= count) {
            named[static_cast<std::size_t>(index)] = 1;
            any = true;
        }
    }
    if (!any)
        return;
    // A parent's index is below its children's, so one pass in index order finds every node that goes.
    std::vector<char> gone(named);
    std::vector<TreeNode*> tops;
    for (TreeNode* node : nodes_) {
        const auto at = static_cast<std::size_t>(node->index_);
        if (node->parent_ != nullptr && gone[static_cast<std::size_t>(node->parent_->index_)] != 0)
            gone[at] = 1;
        else if (gone[at] != 0)
            tops.push_back(node);
    }
    TreeNode* const before = tree_.selected_;
    TreeNode* const after = selectionAfterBatch(before, named);
    for (TreeNode* node : nodes_) {
        if (gone[static_cast<std::size_t>(node->index_)] != 0) {
            tree_.forgetRemoved(*node);
            byKey_.erase(node->key_);
        }
    }

    // Each parent's runs go from its last row to its first, so the rows of a run still to come stay put.
    std::sort(tops.begin(), tops.end(), [](const TreeNode* a, const TreeNode* b) {
        if (a->parent_ != b->parent_)
            return std::less<const TreeNode*>()(a->parent_, b->parent_);
        return a->row_ > b->row_;
    });
    for (std::size_t k = 0; k < tops.size();) {
        std::size_t end = k + 1;
        while (end < tops.size() && tops[end]->parent_ == tops[k]->parent_ &&
               tops[end]->row_ == tops[end - 1]->row_ - 1)
            ++end;
        detachRun(tops[k]->parent_, tops[end - 1]->row_, tops[k]->row_);
        k = end;
    }

    std::size_t kept = 0;
    for (std::size_t k = 0; k < nodes_.size(); ++k) {
        if (gone[k + 1] != 0) {
            recycle(*nodes_[k]);
            continue;
        }
        nodes_[kept] = nodes_[k];
        nodes_[kept]->index_ = static_cast<int>(kept) + 1;
        ++kept;
    }
    nodes_.resize(kept);
    tree_.selected_ = after;
    if (after != before)
        tree_.SelectionChanged();
}

void TreeNodes::detachRun(TreeNode* parent, int first, int last) {
    tree_.RowsAboutToBeRemoved(parent, first, last);
    auto& siblings = parent != nullptr ? parent->children_ : topLevel_;
    const auto from = siblings.erase(siblings.begin() + first, siblings.begin() + last + 1);
    for (auto later = from; later != siblings.end(); ++later)
        (*later)->row_ -= last - first + 1;
    tree_.RowsRemoved();
}

// Remove's rule replayed for removals from the highest index down. The selection moves only when a
// removal takes it, and the first to take it is the deepest named node at or above it. At that moment
// its named later siblings are gone already (their indices are higher) and all earlier siblings are
// still there, so the rule picks the first later sibling not named, else the previous sibling; a named
// previous sibling goes in turn and hands on to the one before it, which comes to the nearest earlier
// sibling not named; else the parent, which may be named itself.
TreeNode* TreeNodes::selectionAfterBatch(TreeNode* selected, const std::vector<char>& named) {
    TreeNode* current = selected;
    while (current != nullptr) {
        TreeNode* taken = current;
        while (taken != nullptr && named[static_cast<std::size_t>(taken->index_)] == 0)
            taken = taken->parent_;
        if (taken == nullptr)
            return current;
        const std::vector<TreeNode*>& siblings = siblingsOf(*taken);
        const auto stays = [&named](const TreeNode* node) {
            return named[static_cast<std::size_t>(node->index_)] == 0;
        };
        const auto later = std::find_if(siblings.begin() + taken->row_ + 1, siblings.end(), stays);
        if (later != siblings.end()) {
            current = *later;
            continue;
        }
        const auto earlier = std::find_if(
            siblings.rbegin() + (static_cast<int>(siblings.size()) - taken->row_), siblings.rend(), stays);
        current = earlier != siblings.rend() ? *earlier : taken->parent_;
    }
    return nullptr;
}

void TreeNodes::Clear() {
    while (!topLevel_.empty())
        Remove(topLevel_.back()->index_);
}

} // namespace ui
