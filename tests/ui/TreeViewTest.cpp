#include "ui/TreeView.h"

#include "tests/support/Gestures.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Nodes 1 to 6: A with the children A1, A2 (holding A2x) and A3, then B. Words: select and close in code,
// and the raw gestures press, release, nudge (a move shorter than the drag distance) and right (press and
// release). The events the form hears follow, by the node HitTest finds at their point; then the selection.
TEST(TreeGestures, ClicksAndCollapsesActOnTheNodesTheControlDecides) {
    const struct {
        const char* steps;
        const char* expected;
    } rows[] = {
        {"select 3, close 3, select 2, close 3, select 5, close 1", " click:A / A"},
        {"press 6, nudge 6, release 6", " down1:B up1:B click:B / B"},
        {"press 6, release 1, press 9, release 9", " down1:- up1:- / -"},
        {"select 2, right 3", " down2:A2 up2:A2 / A1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.steps);
        ui::TreeView tree{"lTre", nullptr};
        tree.Nodes.Add("A", "A", 1);
        for (const char* child : {"A1", "A2", "A3"})
            tree.Nodes.Add("A", ui::tvwChild, child, child, 3);
        tree.Nodes.Add("A2", ui::tvwChild, "A2x", "A2x", 3);
        tree.Nodes.Add("B", "B", 2);
        std::ostringstream log;
        const auto at = [&tree](int x, int y) {
            return ":" + (tree.HitTest(x, y) ? tree.HitTest(x, y)->Key() : "-");
        };
        tree.NodeClick.connect([&](ui::TreeNode& node) { log << " click:" << node.Key(); });
        tree.MouseDown.connect([&](int16_t b, int16_t, int x, int y) { log << " down" << b << at(x, y); });
        tree.MouseUp.connect([&](int16_t b, int16_t, int x, int y) { log << " up" << b << at(x, y); });
        for (const auto& [word, n] : tests::scriptSteps(row.steps)) {
            // Far from the default layout, so that HitTest must answer from the row handed with a gesture.
            const ui::Hit hit{n, {50, 1000 + 37 * n}};
            const int16_t button = word == "right" ? ui::vbRightButton : ui::vbLeftButton;
            if (word == "press" || word == "right")
                tree.userPress(button, 0, hit, false);
            if (word == "release" || word == "right")
                tree.userRelease(button, 0, hit, false);
            if (word == "nudge")
                tree.userMove(ui::vbLeftButton, 0, {n, {hit.at.x + 3, hit.at.y}});
            if (word == "select")
                tree.Nodes(n).setSelected(true);
            if (word == "close")
                tree.userSetExpanded(n, false);
        }
        log << " / " << (tree.SelectedItem() != nullptr ? tree.SelectedItem()->Key() : "-");
        EXPECT_EQ(log.str(), row.expected);
    }
}

} // namespace
