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
    // Whether the node is `top` or lies below it.
    bool isWithin(const TreeNode& top) const;

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
    void removeBatch(const std::vector<int>& indices);
    void Clear();
    // Between these two, a node added below a node that was itself added since beginAdds reaches the
    // skin together with that node: a copied subtree of any size is one insertion. Its expanded nodes
    // are reported changed once it is in.
    void beginAdds() { batching_ = true; }
    void endAdds();

    TreeNode& operator()(int index) const { return *nodes_.at(static_cast<std::size_t>(index - 1)); }
    int Count() const { return static_cast<int>(nodes_.size()); }
    TreeNode* find(std::string_view key) const;
    const std::vector<TreeNode*>& topLevel() const { return topLevel_; }

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
//
// How it reads the skin's raw gestures (userPress and the others below):
// - A left press on a node is a click once released over that node, or a drag once the pointer has
//   moved the drag distance (setStartDragDistance; counted along the axes) with the button held; a
//   release elsewhere does nothing. A drag raises MouseDown at the press, OLEStartDrag, OLEDragOver at every
//   move, OLEDragDrop at the left button's release and OLECompleteDrag; Escape or the loss of the keyboard
//   ends it without a drop. While a node is dragged, other buttons and keys do nothing.
// - A press beside the nodes, and a right press, raise MouseDown, and their release MouseUp. A double
//   click opens or closes a node that has children. Presses on a node's open/close mark are the
//   widget's own.
// - A press while a label is edited completes the edit first and then acts on the node it was aimed
//   at, wherever the rename moved it (LabelEditing); when the rename removed that node, the press only
//   completed the edit.
// - Space clicks the node in the keyboard row; the context-menu key raises MouseDown and MouseUp with
//   the right button over it. Keys move the keyboard row unless a label is edited or a node dragged.
// - HitTest answers with the node the skin found at the point of the gesture being handled; with no
//   such gesture (headless callers) the nodes stand in rows of RowHeight pixels in index order: node i
//   covers the y range [(i-1)*RowHeight, i*RowHeight).
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
    TreeNode* editingNode() const { return editingEntry(); }
    bool dragging() const { return dragging_; }

    // The platform's distance, in pixels, that a press must move to become a drag.
    void setStartDragDistance(int pixels) { startDragDistance_ = pixels; }
    // The centre of a node's row in the default layout, for gestures that carry a position.
    static Point pointOf(int index) { return {8, (index - 1) * RowHeight + RowHeight / 2}; }

    // Raw gestures, as the skin reads them from its widget with the row already found (`onMark`: on the
    // row's open/close mark). The press, release and double click answer whether they belong to the
    // widget itself; a key press, whether the widget may move its keyboard row, which it then reports
    // with userSelectWithKeyboard.
    bool userPress(int16_t button, int16_t shift, Hit hit, bool onMark);
    bool userRelease(int16_t button, int16_t shift, Hit hit, bool onMark);
    bool userDoubleClick(int16_t button, int16_t shift, Hit hit, bool onMark);
    // `buttons` holds every button held, as a mask of vbLeftButton and the others.
    void userMove(int16_t buttons, int16_t shift, Hit hit);
    bool userKeyDown(int16_t keyCode, Hit keyboardRow);
    void userKeyRelease(int16_t keyCode, int16_t shift);
    void userContextMenuKey(Hit keyboardRow);
    void userLostFocus() { userCompleteDrag(); }

    // What the raw gestures amount to, for callers that state a gesture directly.
    // A click on node `index`, whose MouseDown and MouseUp carry the node's point in the default layout.
    void userClickNode(int index);
    // The user moves to node `index` with the keyboard (arrows, Home, End, the page keys): the node is
    // selected and NodeClick is raised, as for a click, but with no mouse events.
    void userSelectWithKeyboard(int index);
    void userRightClick(Point at);
    void userKeyUp(int16_t keyCode, int16_t shift);
    void userMouseDown(int16_t button, int16_t shift, Point at);
    void userMouseUp(int16_t button, int16_t shift, Point at);
    void userSetExpanded(int index, bool expanded);
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
    // A drag has begun or ended.
    Signal<> DraggingChanged;

protected:
    TreeNode* entryWithKey(std::string_view key) const override { return Nodes.find(key); }

private:
    friend class TreeNode;
    friend class TreeNodes;
    void select(TreeNode* node);
    void forgetRemoved(TreeNode& node);
    TreeNode* nodeAt(int index) const {
        return index >= 1 && index <= Nodes.Count() ? &Nodes(index) : nullptr;
    }
    // Raises what `raise` raises while HitTest answers `node` at `at`.
    void handing(Point at, TreeNode* node, const std::function<void()>& raise);
    void clickNode(TreeNode& node, Point at);
    void startDrag(int16_t shift, Hit hit);

    TreeNode* selected_ = nullptr;
    TreeNode* dropHighlight_ = nullptr;
    bool dragging_ = false;
    int startDragDistance_ = 10;
    // A left press on a node, not yet a click (on release) or a drag (on moving).
    TreeNode* pressed_ = nullptr;
    Point pressedAt_;
    // The press completed a rename, which may have moved the pressed node from under the pointer: its
    // release clicks the node wherever it now stands.
    bool pressEndedEdit_ = false;
    struct Handed {
        bool active = false;
        Point at;
        TreeNode* node = nullptr;
    } handed_;
};

} // namespace ui
