#include "ui/TreeView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// A random tree of `size` nodes: each node a child of a random earlier node, or top level, so that
// deep chains, wide rows and several top-level nodes all turn up.
void buildRandomTree(ui::TreeView& tree, std::mt19937& random, int size) {
    for (int i = 1; i <= size; ++i) {
        const std::string key = "n" + std::to_string(i);
        const int parent = std::uniform_int_distribution<int>(0, i - 1)(random);
        if (parent == 0 || i <= 2)
            tree.Nodes.Add(key, key, 1);
        else
            tree.Nodes.Add(tree.Nodes(parent).Key(), ui::tvwChild, key, key, 3);
    }
}

// Everything the batch must leave as the loop does: each node's index, key, parent and row, and the
// selection.
std::string shapeOf(const ui::TreeView& tree) {
    std::string shape;
    for (int i = 1; i <= tree.Nodes.Count(); ++i) {
        const ui::TreeNode& node = tree.Nodes(i);
        shape += std::to_string(node.Index()) + ":" + node.Key() + "<" +
                 (node.Parent() != nullptr ? node.Parent()->Key() : "-") + "@" + std::to_string(node.Row()) +
                 " ";
    }
    return shape + "selected " + (tree.SelectedItem() != nullptr ? tree.SelectedItem()->Key() : "none");
}

TEST(TreeBatchRemoval, EndsExactlyAsRemovingEachNodeFromTheHighestIndexDown) {
    std::mt19937 random(20021120);
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int size = std::uniform_int_distribution<int>(1, 40)(random);
        const std::uint32_t seed = random();
        ui::TreeView oneByOne("lTre", nullptr);
        ui::TreeView batch("lTre", nullptr);
        std::mt19937 shapeA(seed);
        std::mt19937 shapeB(seed);
        buildRandomTree(oneByOne, shapeA, size);
        buildRandomTree(batch, shapeB, size);

        // Dense and sparse picks, with ancestors and descendants of each other mixed in.
        const double share = std::uniform_real_distribution<double>(0.0, 1.0)(random);
        std::vector<int> picked;
        for (int i = 1; i <= size; ++i)
            if (std::bernoulli_distribution(share)(random))
                picked.push_back(i);
        const int selected = std::uniform_int_distribution<int>(0, size)(random);
        if (selected > 0) {
            oneByOne.Nodes(selected).setSelected(true);
            batch.Nodes(selected).setSelected(true);
        }
        int selectionChanges = 0;
        batch.SelectionChanged.connect([&selectionChanges] { ++selectionChanges; });
        const std::string selectedBefore = shapeOf(batch);

        std::vector<int> descending = picked;
        std::sort(descending.rbegin(), descending.rend());
        for (const int index : descending)
            if (index <= oneByOne.Nodes.Count())
                oneByOne.Nodes.Remove(index);
        batch.Nodes.removeBatch(picked);

        EXPECT_EQ(shapeOf(batch), shapeOf(oneByOne));
        EXPECT_LE(selectionChanges, 1);
        for (int i = 1; i <= batch.Nodes.Count(); ++i)
            EXPECT_EQ(batch.Nodes.find(batch.Nodes(i).Key()), &batch.Nodes(i));
    }
}

TEST(TreeBatchRemoval, TheSkinHearsOneRemovalPerRunOfAdjacentRows) {
    ui::TreeView tree("lTre", nullptr);
    tree.Nodes.Add("T", "T", 2);
    for (int i = 1; i <= 6; ++i)
        tree.Nodes.Add("T", ui::tvwChild, "c" + std::to_string(i), "c", 3);
    tree.Nodes.Add("c2", ui::tvwChild, "c2x", "x", 3);
    std::vector<std::string> runs;
    tree.RowsAboutToBeRemoved.connect([&runs](const ui::TreeNode* parent, int first, int last) {
        runs.push_back(parent->Key() + " " + std::to_string(first) + "-" + std::to_string(last));
    });

    // c1, c2 (with c2x, also named) and c3 are one run; c5 another.
    tree.Nodes.removeBatch({2, 3, 4, 6, 8});
    EXPECT_EQ(runs, (std::vector<std::string>{"T 4-4", "T 0-2"}));
    EXPECT_EQ(tree.Nodes.Count(), 3);
    EXPECT_EQ(tree.Nodes(2).Key(), "c4");
    EXPECT_EQ(tree.Nodes(3).Row(), 1);
}

} // namespace
