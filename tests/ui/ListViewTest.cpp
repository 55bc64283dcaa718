#include "ui/ListView.h"

#include "tests/support/Gestures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int16_t ArrowDown = 40;

// Raw gestures on the entries delta, Alpha, charlie and bravo, a word each with the entry it lands on (0:
// beside them): press, ctrl, shift (presses with modifiers), right (press and release), double, end (the
// double-click interval ends), lose (the keyboard goes elsewhere), move, ctrl-move, shift-move (a key that
// moves the keyboard row there) and ctrl-space; single, select, deselect and remove act in code.
TEST(ListGestures, ClicksSelectAsTheModifiersSayAndASlowSecondClickRenamesTheOnlySelectedEntry) {
    const struct {
        const char* steps;
        const char* expected;
    } rows[] = {
        {"press 1, press 3", "0010 focus charlie"},
        {"press 1, ctrl 3", "1010 focus charlie"},
        {"press 1, ctrl 1", "0000 focus none"},
        {"press 2, shift 4", "0111 focus bravo"},
        {"press 4, shift 2", "0111 focus Alpha"},
        {"single, press 1, ctrl 3", "0010 focus charlie"},
        // The focus follows the selection to the first entry selected, or to none.
        {"select 2, select 4, deselect 4", "0100 focus Alpha"},
        {"select 2, remove 2, press 1, press 0", "000 focus none"},
        {"press 2, press 2, end", "0100 focus Alpha, editing Alpha"},
        {"press 2, end", "0100 focus Alpha"},
        {"press 2, press 2, lose, end", "0100 focus Alpha"},
        {"press 2, press 2, double 2, end", "0100 focus Alpha"},
        {"press 2, press 2, press 3, end", "0010 focus charlie"},
        {"press 2, ctrl 3, press 2, end", "0100 focus Alpha"},
        {"press 2, ctrl-move 4, ctrl-space 4, shift-move 1", "1111 focus delta"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.steps);
        ui::ListView list{"lItem", nullptr};
        list.setMultiSelect(true);
        for (const char* text : {"delta", "Alpha", "charlie", "bravo"})
            list.ListItems.Add(std::string("k") + text, text, 5);
        for (const auto& [word, n] : tests::scriptSteps(row.steps)) {
            const ui::Hit hit{n, {4, 20 * n}};
            const int16_t shift = word.starts_with("ctrl")    ? ui::vbCtrlMask
                                  : word.starts_with("shift") ? ui::vbShiftMask
                                                              : 0;
            if (word == "press" || word == "ctrl" || word == "shift" || word == "right")
                list.userPress(word == "right" ? ui::vbRightButton : ui::vbLeftButton, shift, hit);
            if (word == "right")
                list.userRelease(ui::vbRightButton, hit);
            if (word == "double")
                list.userDoubleClick(ui::vbLeftButton, 0, hit);
            if (word == "end")
                list.userDoubleClickIntervalEnded();
            if (word == "lose")
                list.userLostFocus();
            if (word.ends_with("move") && list.userKeyDown(ArrowDown, shift, hit))
                list.userKeyboardMove(n, shift);
            if (word == "ctrl-space")
                list.userKeyDown(ui::vbKeySpace, shift, hit);
            if (word == "single")
                list.setMultiSelect(false);
            if (word == "select" || word == "deselect")
                list.ListItems(n).setSelected(word == "select");
            if (word == "remove")
                list.ListItems.Remove(n);
        }
        std::string shown;
        for (int i = 1; i <= list.ListItems.Count(); ++i)
            shown += list.ListItems(i).Selected() ? '1' : '0';
        shown += " focus " + (list.SelectedItem() ? list.SelectedItem()->Text() : "none");
        EXPECT_EQ(shown + (list.editingItem() ? ", editing " + list.editingItem()->Text() : ""),
                  row.expected);
    }
}

} // namespace
