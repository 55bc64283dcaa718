#include "tests/support/StartedWindow.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using testing_support::StartedWindow;

struct PanelState {
    bool calculator;
    bool scheduler;
};

PanelState panels(StartedWindow& window) {
    return {window.controls().cCalcWinBack.Visible(), window.controls().dDateWinBack.Visible()};
}

// The check marks and the calculator's context entries always follow the panels.
void expectMenusFollowPanels(StartedWindow& window) {
    app::MainMenu& m = window.menu();
    const PanelState now = panels(window);
    EXPECT_EQ(m.mNumbraShow.Checked(), now.calculator);
    EXPECT_EQ(m.mDateShow.Checked(), now.scheduler);
    EXPECT_EQ(m.mNumbra1.Visible(), now.calculator);
    for (ui::MenuEntry* entry : m.mNumbra)
        EXPECT_EQ(entry->Visible(), now.calculator);
}

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
        EXPECT_EQ(panels(window).calculator, step.after.calculator);
        EXPECT_EQ(panels(window).scheduler, step.after.scheduler);
        expectMenusFollowPanels(window);
    }
}

} // namespace
