#include "tests/support/Gestures.h"
#include "ui/TreeView.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Top level A (children A1, A2, A3; A2 has A2x) and B.
struct Tree {
    Tree() {
        tree.Nodes.Add("A", "A", 1);
        for (const char* child : {"A1", "A2", "A3"})
            tree.Nodes.Add("A", ui::tvwChild, child, child, 3);
        tree.Nodes.Add("A2", ui::tvwChild, "A2x", "A2x", 3);
        tree.Nodes.Add("B", "B", 2);
        tree.NodeClick.connect([this](ui::TreeNode&) { ++nodeClicks; });
    }
    std::string selectedKey() const { return tree.SelectedItem() ? tree.SelectedItem()->Key() : "(none)"; }

    ui::TreeView tree{"lTre", nullptr};
    int nodeClicks = 0;
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
        EXPECT_EQ(t.nodeClicks, 0);
    }
}

TEST(TreeNodes, KeysAreUniqueAndRelativesMustExist) {
    Tree t;
    EXPECT_EQ(t.tree.Nodes.Add("B", "again", 2), nullptr);
    EXPECT_EQ(t.tree.Nodes.Add("missing", ui::tvwChild, "C", "C", 3), nullptr);
    EXPECT_EQ(t.tree.Nodes.Count(), 6);
}

TEST(TreeNodes, ClicksRaiseNodeClickEveryTimeAndHitTestFollowsRows) {
    Tree t;
    t.tree.userClickNode(6);
    t.tree.userClickNode(6);
    EXPECT_EQ(t.nodeClicks, 2);
    EXPECT_EQ(t.selectedKey(), "B");
    const ui::Point at = ui::TreeView::pointOf(5);
    EXPECT_EQ(t.tree.HitTest(at.x, at.y)->Key(), "A2x");
    EXPECT_EQ(t.tree.HitTest(0, 7 * ui::TreeView::RowHeight), nullptr);
    EXPECT_EQ(t.tree.HitTest(0, -1), nullptr);
}

TEST(TreeNodes, LabelEditsCanBeRefusedAtEitherEnd) {
    Tree t;
    t.tree.Nodes.find("A1")->setSelected(true);
    int16_t refuseStart = 1;
    int16_t refuseEnd = 0;
    t.tree.BeforeLabelEdit.connect([&](int16_t& cancel) { cancel = refuseStart; });
    t.tree.AfterLabelEdit.connect([&](int16_t& cancel, std::string&) { cancel = refuseEnd; });

    t.tree.StartLabelEdit();
    EXPECT_EQ(t.tree.EditingNode(), nullptr);

    refuseStart = 0;
    refuseEnd = 1;
    t.tree.StartLabelEdit();
    t.tree.userEndLabelEdit("kept out");
    EXPECT_EQ(t.tree.Nodes.find("A1")->Text(), "A1");

    refuseEnd = 0;
    t.tree.StartLabelEdit();
    t.tree.userEndLabelEdit("renamed");
    EXPECT_EQ(t.tree.Nodes.find("A1")->Text(), "renamed");
    EXPECT_EQ(t.tree.EditingNode(), nullptr);
}

TEST(TreeNodes, AnEditedNodeRemovedByTheHandlerIsLeftAlone) {
    Tree t;
    t.tree.Nodes.find("A3")->setSelected(true);
    t.tree.AfterLabelEdit.connect([&](int16_t&, std::string&) { t.tree.Nodes.Remove(4); });
    t.tree.StartLabelEdit();
    t.tree.userEndLabelEdit("gone");
    EXPECT_EQ(t.tree.Nodes.find("A3"), nullptr);
    EXPECT_EQ(t.tree.Nodes.Count(), 5);
}

TEST(TreeNodes, ADragRaisesItsEventsInOrder) {
    Tree t;
    std::string log;
    t.tree.MouseDown.connect(
        [&](int16_t, int16_t, int x, int y) { log += "down:" + t.tree.HitTest(x, y)->Key() + " "; });
    t.tree.OLEStartDrag.connect([&] { log += "start "; });
    t.tree.OLEDragOver.connect([&](int x, int y) { log += "over:" + t.tree.HitTest(x, y)->Key() + " "; });
    t.tree.OLEDragDrop.connect(
        [&](int16_t shift, int, int) { log += "drop:" + std::to_string(shift) + " "; });
    t.tree.OLECompleteDrag.connect([&] { log += "end"; });
    testing_support::dragNode(t.tree, 2, 6, ui::vbCtrlMask);
    EXPECT_EQ(log, "down:A1 start over:B drop:2 end");
    t.tree.userDrop(0, ui::TreeView::pointOf(1));
    EXPECT_EQ(log, "down:A1 start over:B drop:2 end");
}

} // namespace
