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

// A click raises NodeClick every time; an edited node its own handler removes is left alone.
TEST(TreeNodes, ClicksRaiseNodeClickEveryTimeAndAnEditedNodeRemovedByTheHandlerIsLeftAlone) {
    Tree t;
    t.tree.userClickNode(6);
    t.tree.userClickNode(6);
    EXPECT_EQ(t.nodeClicks, 2);
    EXPECT_EQ(t.selectedKey(), "B");
    EXPECT_EQ(t.tree.HitTest(0, -1), nullptr);

    t.tree.Nodes.find("A3")->setSelected(true);
    t.tree.AfterLabelEdit.connect([&](int16_t&, std::string&) { t.tree.Nodes.Remove(4); });
    t.tree.StartLabelEdit();
    t.tree.userEndLabelEdit("gone");
    EXPECT_EQ(t.tree.Nodes.find("A3"), nullptr);
    EXPECT_EQ(t.tree.Nodes.Count(), 5);
}

} // namespace
