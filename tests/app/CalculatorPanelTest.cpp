#include "app/MainMenu.h"
#include "tests/support/StartedWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tests::StartedWindow;
using enum app::MainMenu::NumbraEntry;

// The started window with the calculator panel open, and the gestures a user makes in it.
struct OpenPanel : StartedWindow {
    OpenPanel() { menu().mNumbraShow.userChoose(); }

    ui::TextLine& input() { return controls().cCalcWinInput; }
    ui::ListBox& slots() { return controls().cCalcWinVarList; }
    std::string result() { return controls().cCalcWinResult.Text(); }
    // Types the Term key by key; the line edit reports its whole text after each key.
    void type(const std::string& term) {
        for (std::size_t n = 0; n <= term.size(); ++n)
            input().userEdit(term.substr(0, n));
    }
    void choose(int entry) { menu().mNumbra.at(static_cast<std::size_t>(entry))->userChoose(); }
    // The entry as reached through the pop-up menu of a right click on the slot list.
    void chooseFromPopup(int entry) {
        platform.popupChoices.push_back(menu().mNumbra.at(static_cast<std::size_t>(entry)));
        slots().userMouseUp(ui::vbRightButton, 0, {20, 30});
    }
};

// Clear all returns the slots to how the panel starts: 32 empty labels and no selection.
TEST(CalculatorSlotsAndTerms, StartsAndClearsAllToEmptySlotsWithoutASelection) {
    OpenPanel panel;
    EXPECT_EQ(panel.result(), "Numbra 2.01.03");
    EXPECT_EQ(panel.controls().cCalcMenuResult.Caption(), "Numbra 2.01.03");
    EXPECT_TRUE(panel.slots().Font().fixedPitch);
    const auto shown = [&panel] {
        std::vector<std::string> lines{std::to_string(panel.slots().ListIndex())};
        for (int i = 0; i < panel.slots().ListCount(); ++i)
            lines.push_back(panel.slots().List(i));
        return lines;
    };
    const std::vector<std::string> atStart = shown();
    ASSERT_EQ(atStart.size(), 33U);
    EXPECT_EQ(atStart[0], "-1");
    EXPECT_EQ(atStart[10], "9 : ");
    EXPECT_EQ(atStart[32], "31: ");
    panel.type("9");
    for (int n : {0, 17, 31}) {
        panel.slots().userClick(n);
        panel.choose(SlotSaveResult);
    }
    panel.choose(SlotClearAll);
    EXPECT_EQ(shown(), atStart);
    for (const std::string& slot : panel.form.calculator().Slots())
        EXPECT_EQ(slot, "");
}

TEST(CalculatorSlotsAndTerms, SavedResultsAndTermsAreUsedThroughVar) {
    OpenPanel panel;
    panel.type("1+2");
    panel.slots().userClick(3);
    panel.chooseFromPopup(SlotSaveResult);
    EXPECT_EQ(panel.slots().List(3), "3 : 3");
    ASSERT_EQ(panel.platform.popups.size(), 1U);
    EXPECT_EQ(panel.platform.popups[0].menu, &panel.menu().mNumbraMenu);
    EXPECT_EQ(panel.platform.popups[0].owner, "cCalcWinVarList");
    EXPECT_EQ(panel.platform.popups[0].defaultEntry, panel.menu().mNumbra[SlotEdit]);
    panel.slots().userClick(4);
    panel.choose(SlotSaveTerm);
    EXPECT_EQ(panel.slots().List(4), "4 : 1+2");
    EXPECT_EQ(panel.slots().ListIndex(), 4);

    panel.type("var(3)*2");
    EXPECT_EQ(panel.result(), "6");
    panel.type("var(4)*2");
    EXPECT_EQ(panel.result(), "5");
}

// Edit confirms or cancels into the slot; Add, Use and Clear work on the selected one.
TEST(CalculatorSlotsAndTerms, EditAddUseAndClearWorkOnTheSelectedSlot) {
    OpenPanel panel;
    panel.platform.dialogAnswers = {"5", "7"};
    panel.slots().userDoubleClick(12);
    panel.chooseFromPopup(SlotEdit);
    ASSERT_EQ(panel.platform.dialogs.size(), 2U);
    EXPECT_EQ(panel.platform.dialogs[1].prompt, "Enter new value.");
    EXPECT_EQ(panel.platform.dialogs[1].title, "Edit value");
    EXPECT_EQ(panel.platform.dialogs[1].defaultText, "5");
    EXPECT_EQ(panel.slots().List(12), "12: 7");

    panel.type("var(12)+1");
    EXPECT_EQ(panel.result(), "8");
    panel.slots().userDoubleClick(12);
    EXPECT_EQ(panel.slots().List(12), "12: ");
    // The changed slot shows at once in the Term that uses it.
    EXPECT_EQ(panel.result(), "(+1)");

    panel.platform.dialogAnswers = {"4"};
    panel.slots().userDoubleClick(0);
    panel.type("2*");
    panel.choose(SlotAddToTerm);
    EXPECT_EQ(panel.input().Text(), "2* 4");
    EXPECT_EQ(panel.result(), "8");
    panel.choose(SlotUseAsTerm);
    EXPECT_EQ(panel.input().Text(), "4");
    panel.choose(SlotClear);
    EXPECT_EQ(panel.slots().List(0), "0 : ");
    EXPECT_EQ(panel.slots().ListIndex(), 0);
}

// A left click pops up nothing.
TEST(CalculatorSlotsAndTerms, WithoutASelectionEntriesOnlyEvaluateAgain) {
    OpenPanel panel;
    panel.slots().userMouseUp(ui::vbLeftButton, 0, {5, 6});
    EXPECT_TRUE(panel.platform.popups.empty());
    panel.type("rnd(1000000)");
    for (int entry = SlotEdit; entry <= SlotClearAll; ++entry) {
        SCOPED_TRACE(entry);
        panel.controls().cCalcWinResult.setText("stale");
        panel.choose(entry);
        EXPECT_NE(panel.result(), "stale");
        EXPECT_EQ(panel.input().Text(), "rnd(1000000)");
    }
    EXPECT_TRUE(panel.platform.dialogs.empty());
    for (const std::string& slot : panel.form.calculator().Slots())
        EXPECT_EQ(slot, "");
}

} // namespace
