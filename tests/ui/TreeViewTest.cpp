#include "ui/TreeView.h"

#include "tests/support/Gestures.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Top level A (children A1, A2, A3; A2 has A2x) and B: nodes 1 to 6 are A, A1, A2, A3, A2x, B. Every event
// the form hears is logged with the key of the node HitTest finds at its point ("-": none).
struct Tree {
    Tree() {
        tree.Nodes.Add("A", "A", 1);
        for (const char* child : {"A1", "A2", "A3"})
            tree.Nodes.Add("A", ui::tvwChild, child, child, 3);
        tree.Nodes.Add("A2", ui::tvwChild, "A2x", "A2x", 3);
        tree.Nodes.Add("B", "B", 2);
        tree.NodeClick.connect([this](ui::TreeNode& node) { log << " click:" << node.Key(); });
        tree.NodeChanged.connect([this](ui::TreeNode& node) { log << " changed:" << node.Key(); });
        tree.MouseDown.connect(
            [this](int16_t b, int16_t, int x, int y) { log << " down" << b << keyAt(x, y); });
        tree.MouseUp.connect([this](int16_t b, int16_t, int x, int y) { log << " up" << b << keyAt(x, y); });
        tree.OLEStartDrag.connect([this] { log << " start"; });
        tree.OLEDragOver.connect([this](int x, int y) { log << " over" << keyAt(x, y); });
        tree.OLEDragDrop.connect([this](int16_t, int x, int y) { log << " drop" << keyAt(x, y); });
        tree.OLECompleteDrag.connect([this] { log << " end"; });
        tree.KeyUp.connect([this](int16_t code, int16_t) { log << " key" << code; });
    }
    std::string keyAt(int x, int y) const {
        const ui::TreeNode* node = tree.HitTest(x, y);
        return ":" + (node != nullptr ? node->Key() : "-");
    }
    std::string selectedKey() const { return tree.SelectedItem() ? tree.SelectedItem()->Key() : "(none)"; }
    // Where the skin finds row `row`: far from the default layout, so that HitTest must answer from the
    // gesture's own row.
    static ui::Hit at(int row) { return {row, {50, 1000 + 37 * row}}; }

    ui::TreeView tree{"lTre", nullptr};
    std::ostringstream log;
};

TEST(TreeNodes, RemovingTheSelectedNodeSelectsNextSiblingElsePreviousElseParent) {
    const struct {
        const char* selected;
        const char* removed;
        const char* expected;
    } rows[] = {
        {"A2", "A2", "A3"}, {"A3", "A3", "A2"}, {"A2x", "A2x", "A2"}, {"A2x", "A2", "A3"},
        {"A1", "A", "B"},   {"B", "B", "A"},    {"A1", "A3", "A1"},   {"B", "A", "B"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.selected) + " selected, " + row.removed + " removed");
        Tree t;
        t.tree.Nodes.find(row.selected)->setSelected(true);
        t.tree.Nodes.Remove(t.tree.Nodes.find(row.removed)->Index());
        EXPECT_EQ(t.selectedKey(), row.expected);
        EXPECT_EQ(t.log.str(), "");
    }
}

// Collapsing a node that holds the selection selects it, as a click would; other collapses leave the
// selection alone.
TEST(TreeNodes, CollapsingANodeAboveTheSelectionSelectsItAsAClickWould) {
    const struct {
        const char* selected;
        const char* collapsed;
        const char* expected;
    } rows[] = {
        {"A2x", "A", " click:A"}, {"A2x", "A2", " click:A2"}, {"A2", "A2", ""},
        {"B", "A", ""},           {"A1", "A2", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.selected) + " selected, " + row.collapsed + " collapsed");
        Tree t;
        t.tree.Nodes.find(row.selected)->setSelected(true);
        t.tree.userSetExpanded(t.tree.Nodes.find(row.collapsed)->Index(), false);
        EXPECT_EQ(t.log.str(), row.expected);
        EXPECT_EQ(t.selectedKey(), *row.expected != '\0' ? row.collapsed : row.selected);
    }
}

// The skin's raw gestures, one word each, with the row it lands on: press and release (left button),
// nudge (a move shorter than the drag distance), move, right (press and release), mark (press and
// release on the open/close mark), double, key (Delete down and up), esc, space, menu (the context-menu
// key), edit (a label edit opens) and lose (the keyboard goes elsewhere). "widget" and "moves" log the
// gestures the control leaves to the widget.
TEST(TreeGestures, PressesBecomeClicksOrDragsAndOnlyEscapeActsDuringADragOrANameEdit) {
    const struct {
        const char* steps;
        const char* events;
    } rows[] = {
        {"press 6, release 6", " down1:B up1:B click:B"},
        {"press 6, nudge 6, release 6", " down1:B up1:B click:B"},
        {"press 6, release 1", ""},
        {"press 9, release 9", " down1:- up1:-"},
        {"right 3", " down2:A2 up2:A2"},
        {"mark 1", " widget widget"},
        {"press 1, move 6, release 6", " down1:A start over:B drop:B end"},
        {"press 1, move 6, right 3, key, move 5, release 5", " down1:A start over:B over:A2x drop:A2x end"},
        {"press 1, move 6, esc, release 6", " down1:A start over:B end up1:B"},
        {"press 1, move 6, lose, release 6", " down1:A start over:B end up1:B"},
        {"double 3, release 3", " changed:A2 down1:A2 up1:A2 click:A2"},
        {"key, space 6, menu 3", " moves key46 down1:B up1:B click:B down2:A2 up2:A2"},
        {"edit, key, space 6, menu 3", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.steps);
        Tree t;
        ui::TreeView& tree = t.tree;
        const auto widget = [&t](bool leftToTheWidget) { t.log << (leftToTheWidget ? " widget" : ""); };
        for (const auto& [word, n] : tests::scriptSteps(row.steps)) {
            const ui::Hit hit = Tree::at(n);
            const int16_t button = word == "right" ? ui::vbRightButton : ui::vbLeftButton;
            if (word == "press" || word == "mark" || word == "right")
                widget(tree.userPress(button, 0, hit, word == "mark"));
            if (word == "release" || word == "mark" || word == "right")
                widget(tree.userRelease(button, 0, hit, word == "mark"));
            if (word == "nudge" || word == "move")
                tree.userMove(ui::vbLeftButton, 0,
                              word == "move" ? hit : ui::Hit{n, {hit.at.x + 3, hit.at.y}});
            if (word == "double")
                widget(tree.userDoubleClick(ui::vbLeftButton, 0, hit, false));
            if (word == "key" || word == "esc" || word == "space") {
                const int16_t code = word == "key"   ? ui::vbKeyDelete
                                     : word == "esc" ? ui::vbKeyEscape
                                                     : ui::vbKeySpace;
                t.log << (tree.userKeyDown(code, hit) ? " moves" : "");
            }
            if (word == "key")
                tree.userKeyRelease(ui::vbKeyDelete, 0);
            if (word == "menu")
                tree.userContextMenuKey(hit);
            if (word == "edit") {
                tree.Nodes(6).setSelected(true);
                tree.StartLabelEdit();
            }
            if (word == "lose")
                tree.userLostFocus();
        }
        EXPECT_EQ(t.log.str(), row.events);
    }
}

// An edited node that the AfterLabelEdit handler removes stays removed, and the edit ends.
TEST(TreeLabelEdit, ANodeRemovedByTheRenameHandlerStaysRemoved) {
    Tree t;
    t.tree.Nodes.find("A3")->setSelected(true);
    t.tree.AfterLabelEdit.connect(
        [&](int16_t&, std::string&) { t.tree.Nodes.Remove(t.tree.Nodes.find("A3")->Index()); });
    t.tree.StartLabelEdit();
    t.tree.userEndLabelEdit("gone");
    EXPECT_EQ(t.tree.Nodes.find("A3"), nullptr);
    EXPECT_EQ(t.tree.Nodes.Count(), 5);
    EXPECT_EQ(t.tree.EditingNode(), nullptr);
}

} // namespace
