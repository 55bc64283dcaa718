#pragma once

#include "ui/Control.h"
#include "ui/FlatKeyMap.h"
#include "ui/Input.h"
#include "ui/LabelEditing.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class TreeView;

enum TreeRelationship : int16_t { tvwChild = 4 };

// A node of a tree view. Its index is its 1-based position in insertion order and changes when an
// earlier node is removed.
class TreeNode {
public:
    int Index() const { return index_; }
    // The position among the children of the node's parent (or among the top-level nodes), from 0.
    int Row() const { return row_; }
    const std::string& Key() const { return key_; }
    const std::string& Text() const { return text_; }
    void setText(std::string text);
    int Image() const { return image_; }
    int SelectedImage() const { return selectedImage_; }
    bool Selected() const;
    // Selecting a node in code raises no NodeClick.
    void setSelected(bool selected);
    bool Expanded() const { return expanded_; }
    void setExpanded(bool expanded);
    TreeNode* Parent() const { return parent_; }
    const std::vector<TreeNode*>& Children() const { return children_; }

private:
    friend class TreeView;
    friend class TreeNodes;
    TreeView* tree_ = nullptr;
    int index_ = 0;
    int row_ = 0;
    std::string key_;
    std::string text_;
    int image_ = 0;
    int selectedImage_ = 0;
    bool expanded_ = false;
    TreeNode* parent_ = nullptr;
    std::vector<TreeNode*> children_;
};

// The Nodes collection of a tree view.
class TreeNodes {
public:
    explicit TreeNodes(TreeView& tree) : tree_(tree) {}
    // Its index and lists point into its own pool.
    TreeNodes(const TreeNodes&) = delete;
    TreeNodes& operator=(const TreeNodes&) = delete;

    // Adds a top-level node after the others.
    TreeNode* Add(std::string key, std::string text, int image, int selectedImage = 0);
    // Adds a node as the last child of the node keyed relativeKey. Keys are unique: a key in use, or a
    // relative that does not exist, adds nothing and returns nullptr.
    TreeNode* Add(std::string_view relativeKey, TreeRelationship relationship, std::string key,
                  std::string text, int image, int selectedImage = 0);
    // Removes node `index` together with any nodes below it; later nodes move down.
    void Remove(int index);
    // Removes the nodes at `indices` (each with any nodes below it) in one pass. Nodes, indices and the
    // selection end exactly as if Remove were called on each of them from the highest index down, but
    // the work is linear in the number of nodes, and the skin hears of one removal per run of adjacent
    // sibling rows instead of one per node.
    void RemoveBatch(const std::vector<int>& indices);
    void Clear();
    // Between these two, a node added below a node that was itself added since beginAdds reaches the
    // skin together with that node: a copied subtree of any size is one insertion. Its expanded nodes
    // are reported changed once it is in.
    void beginAdds() { batching_ = true; }
    void endAdds();

    TreeNode& operator()(int index) const { return *nodes_.at(static_cast<std::size_t>(index - 1)); }
    int Count() const { return static_cast<int>(nodes_.size()); }
    TreeNode* find(std::string_view key) const;
    const std::vector<TreeNode*>& TopLevel() const { return topLevel_; }

private:
    friend class TreeNode;
    friend class TreeView;
    TreeNode* append(std::string key, std::string text, int image, int selectedImage, TreeNode* parent);
    void removeSubtree(TreeNode& node);
    void removeOne(TreeNode& node);
    std::vector<TreeNode*>& siblingsOf(const TreeNode& node);
    TreeNode* selectionAfterBatch(TreeNode* selected, const std::vector<char>& named);
    void detachRun(TreeNode* parent, int first, int last);
    void forgetSubtree(TreeNode& node);

    TreeNode* newNode();
    void recycle(TreeNode& node);
    // Whether `node` came with an insertion the skin has not yet been told is complete.
    bool pending(const TreeNode& node) const {
        return pendingTop_ != nullptr && node.index_ >= pendingTop_->index_;
    }
    void completePending();

    TreeView& tree_;
    std::vector<TreeNode*> nodes_;
    std::vector<TreeNode*> topLevel_;
    // Nodes live in a pool that never moves them; removed ones are reused, so a large subtree moved
    // back and forth allocates no node after the first time.
    std::deque<TreeNode> pool_;
    std::vector<TreeNode*> free_;
    struct KeyOfNode {
        std::string_view operator()(const TreeNode& node) const { return node.key_; }
    };
    FlatKeyMap<TreeNode, KeyOfNode> byKey_;
    bool batching_ = false;
    // The first node added since beginAdds whose parent was already there; every node added after it
    // lies below it.
    TreeNode* pendingTop_ = nullptr;
};

// A tree view.
//
// Rules this control decides by itself:
// - When the selected node is removed (alone or inside a removed subtree), the selection moves to the
//   next sibling of the removed node, else to its previous sibling, else to its parent; with no node
//   left there is no selection. Moving the selection this way raises no NodeClick.
// - A click on a node raises MouseDown, MouseUp and then NodeClick, also when the node was selected
//   already. A right-button click changes no selection. Moving to a node with the keyboard selects it
//   and raises NodeClick too.
// - Collapsing a node that holds the selected node selects the collapsed node and raises NodeClick, as
//   a click on it would: the selection never stays on a node the user cannot see.
// - Without a hit-test provider (the skin installs one that knows the widget's geometry) the nodes stand
//   in rows of RowHeight pixels in index order: node i covers the y range [(i-1)*RowHeight, i*RowHeight).
class TreeView : public Control, public LabelEditing<TreeNode> {
public:
    static constexpr int RowHeight = 16;

    TreeView(std::string name, Control* container);

    TreeNodes Nodes{*this};

    TreeNode* SelectedItem() const { return selected_; }
    TreeNode* HitTest(int x, int y) const;
    TreeNode* DropHighlight() const { return dropHighlight_; }
    void setDropHighlight(TreeNode* node);
    // Begins editing the selected node's text in place; BeforeLabelEdit may cancel it.
    void StartLabelEdit() { beginEdit(selected_); }
    TreeNode* EditingNode() const { return EditingEntry(); }

    using HitTestProvider = std::function<int(int x, int y)>;
    void setHitTestProvider(HitTestProvider provider) { hitTest_ = std::move(provider); }
    // The centre of a node's row in the default layout, for gestures that carry a position.
    static Point pointOf(int index) { return {8, (index - 1) * RowHeight + RowHeight / 2}; }

    // Gestures.
    void userClickNode(int index) { userClickNode(index, pointOf(index)); }
    // A click on node `index` at the point `at` of the skin's own layout, which its MouseDown and MouseUp
    // carry, so that a handler's HitTest finds the clicked node there.
    void userClickNode(int index, Point at);
    // The user moves to node `index` with the keyboard (arrows, Home, End, the page keys): the node is
    // selected and NodeClick is raised, as for a click, but with no mouse events.
    void userSelectWithKeyboard(int index);
    void userRightClick(Point at);
    void userKeyUp(int16_t keyCode, int16_t shift);
    void userMouseDown(int16_t button, int16_t shift, Point at);
    void userMouseUp(int16_t button, int16_t shift, Point at);
    void userSetExpanded(int index, bool expanded);
    void userBeginLabelEdit() { StartLabelEdit(); }
    // The edit ends by leaving it (a click elsewhere, a command), or confirmed with Enter or Tab.
    void userEndLabelEdit(std::string newText) { endEdit(std::move(newText)); }
    void userConfirmLabelEdit(std::string newText) { endEdit(std::move(newText), true); }
    void userCancelLabelEdit() { cancelEdit(); }
    void userStartDrag();
    void userDragOver(Point at);
    void userDrop(int16_t shift, Point at);
    void userCompleteDrag();

    // Events for the form.
    Signal<TreeNode&> NodeClick;
    Signal<int16_t, int16_t> KeyUp;
    Signal<int16_t, int16_t, int, int> MouseDown;
    Signal<int16_t, int16_t, int, int> MouseUp;
    Signal<> OLEStartDrag;
    Signal<int, int> OLEDragOver;
    Signal<int16_t, int, int> OLEDragDrop;
    Signal<> OLECompleteDrag;

    // Notifications for the skin. A node is added as the last child of `parent` (nullptr: top level),
    // perhaps with nodes below it (see beginAdds); a removal takes a whole subtree at once.
    Signal<const TreeNode*> NodeAboutToBeAdded;
    Signal<TreeNode&> NodeAdded;
    Signal<TreeNode&> SubtreeAboutToBeRemoved;
    Signal<> SubtreeRemoved;
    // A batch removal takes the rows first to last of `parent` (nullptr: top level), with their subtrees.
    Signal<const TreeNode*, int, int> RowsAboutToBeRemoved;
    Signal<> RowsRemoved;
    Signal<TreeNode&> NodeChanged;
    Signal<> SelectionChanged;
    Signal<> DropHighlightChanged;

private:
    friend class TreeNode;
    friend class TreeNodes;
    void select(TreeNode* node);
    void forgetRemoved(TreeNode& node);

    TreeNode* selected_ = nullptr;
    TreeNode* dropHighlight_ = nullptr;
    bool dragging_ = false;
    HitTestProvider hitTest_;
};

} // namespace ui
