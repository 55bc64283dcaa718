#include "app/MainMenu.h"
#include "tests/support/StartedWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using tests::ScriptedPlatform;
using tests::StartedWindow;

TEST(AboutAndStartUpScreen, OpensOverAWindowThatTakesNoInputAndAnyClickClosesIt) {
    StartedWindow window;
    std::vector<app::frmInfo*> loaded;
    window.controls().InfoLoaded.connect([&loaded](app::frmInfo& form) { loaded.push_back(&form); });
    ui::Window& main = window.controls().frmMain;
    const std::vector<void (*)(app::frmInfo&)> closers = {
        [](app::frmInfo& box) { box.form.userClick(); },
        [](app::frmInfo& box) { box.lLabel[0].userClick(); },
        [](app::frmInfo& box) { box.form.userClose(); },
    };
    for (std::size_t i = 0; i < closers.size(); ++i) {
        SCOPED_TRACE(i);
        window.menu().mOptionsAbout.userChoose();
        app::frmInfo* box = window.form.about().loaded();
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->form.Visible());
        EXPECT_EQ(box->lLabel[0].Caption(), "Scrivlet ][");
        EXPECT_FALSE(main.Enabled());
        // The main window under it takes no input meanwhile.
        window.menu().mNumbraShow.userChoose();
        window.controls().cCalcMenuResult.userClick();
        window.controls().lTre.userClickNode(2);
        main.userClose();
        EXPECT_FALSE(window.controls().cCalcWinBack.Visible());
        EXPECT_EQ(window.view().SelFolder, 1);
        EXPECT_EQ(window.platform.endRequests, 0);

        closers[i](*box);
        EXPECT_TRUE(main.Enabled());
        EXPECT_EQ(window.form.about().loaded(), nullptr);
    }
    // A fresh box every time.
    ASSERT_EQ(loaded.size(), closers.size());
    EXPECT_NE(loaded[0], loaded[1]);
}

TEST(AboutAndStartUpScreen, TheStartUpScreenIgnoresClicksAndGoesWhenTheWindowIsReady) {
    ScriptedPlatform platform;
    app::frmMain form{platform};
    bool shownDuringStartUp = false;
    platform.duringEventPass = [&form, &shownDuringStartUp] {
        app::frmInfo* box = form.about().loaded();
        ASSERT_NE(box, nullptr);
        shownDuringStartUp = box->form.Visible() && !box->form.Enabled();
        box->form.userClick();
        box->lLabel[1].userClick();
        box->form.userClose();
        EXPECT_EQ(form.about().loaded(), box);
    };
    form.Form_Load();
    EXPECT_TRUE(shownDuringStartUp);
    EXPECT_EQ(platform.eventPasses, 1);
    EXPECT_EQ(form.about().loaded(), nullptr);
    EXPECT_TRUE(form.controls().frmMain.Enabled());
    EXPECT_TRUE(form.controls().frmMain.Visible());
}

} // namespace
