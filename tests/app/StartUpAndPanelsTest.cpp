#include "app/MainMenu.h"
#include "tests/support/StartedWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

using tests::StartedWindow;

// Whether the calculator and the scheduler panel are open.
using PanelState = std::pair<bool, bool>;

TEST(StartUpAndPanels, PanelGesturesKeepAtMostOnePanelOpen) {
    StartedWindow window;
    app::MainControls& c = window.controls();
    app::MainMenu& m = window.menu();
    const struct {
        const char* gesture;
        std::function<void()> act;
        PanelState after;
    } steps[] = {
        {"calculator Show", [&] { m.mNumbraShow.userChoose(); }, {true, false}},
        {"scheduler Show", [&] { m.mDateShow.userChoose(); }, {false, true}},
        {"calculator tab", [&] { c.cCalcMenuResult.userClick(); }, {true, false}},
        {"calculator tab again", [&] { c.cCalcMenuBack.userClick(); }, {false, false}},
        {"scheduler tab", [&] { c.dDateMenuDisplay.userClick(); }, {false, true}},
        {"scheduler button", [&] { c.dDateMenuButton.userClick(); }, {false, false}},
        {"scheduler strip", [&] { c.dDateMenuBack.userClick(); }, {false, true}},
        {"calculator button", [&] { c.cCalcMenuButton.userClick(); }, {true, false}},
        {"calculator Show again", [&] { m.mNumbraShow.userChoose(); }, {false, false}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.gesture);
        step.act();
        EXPECT_EQ(PanelState(c.cCalcWinBack.Visible(), c.dDateWinBack.Visible()), step.after);
        // The check marks and the calculator's context entries always follow the panels.
        EXPECT_EQ(m.mNumbraShow.Checked(), step.after.first);
        EXPECT_EQ(m.mDateShow.Checked(), step.after.second);
        EXPECT_EQ(m.mNumbra1.Visible(), step.after.first);
        for (ui::MenuEntry* entry : m.mNumbra)
            EXPECT_EQ(entry->Visible(), step.after.first);
    }
}

} // namespace
