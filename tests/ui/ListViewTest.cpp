#include "ui/ListView.h"

#include "tests/support/Gestures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct List {
    explicit List(bool multiSelect = true) {
        list.setMultiSelect(multiSelect);
        for (const char* text : {"delta", "Alpha", "charlie", "bravo"})
            list.ListItems.Add(std::string("k") + text, text, 5);
    }
    std::string selected() const {
        std::string shown;
        for (int i = 1; i <= list.ListItems.Count(); ++i)
            shown += list.ListItems(i).Selected() ? '1' : '0';
        return shown + " focus " + (list.SelectedItem() ? list.SelectedItem()->Text() : "none");
    }
    ui::ListView list{"lItem", nullptr};
};

TEST(ListSelection, ClicksSelectAsTheModifiersSayAndTheFocusFollowsTheSelection) {
    const struct {
        bool multi;
        int first;
        int second;
        int16_t shift;
        const char* expected;
    } rows[] = {
        {true, 1, 3, 0, "0010 focus charlie"},
        {true, 1, 3, ui::vbCtrlMask, "1010 focus charlie"},
        {true, 1, 1, ui::vbCtrlMask, "0000 focus none"},
        {true, 2, 4, ui::vbShiftMask, "0111 focus bravo"},
        {true, 4, 2, ui::vbShiftMask, "0111 focus Alpha"},
        {false, 1, 3, ui::vbCtrlMask, "0010 focus charlie"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        List l(row.multi);
        l.list.userClickItem(row.first);
        l.list.userClickItem(row.second, row.shift);
        EXPECT_EQ(l.selected(), row.expected);
    }
    // Deselecting the focused entry moves the focus to the first selected one.
    List l;
    l.list.ListItems(2).setSelected(true);
    l.list.ListItems(4).setSelected(true);
    EXPECT_EQ(l.selected(), "0101 focus bravo");
    l.list.ListItems(4).setSelected(false);
    EXPECT_EQ(l.selected(), "0100 focus Alpha");
    l.list.ListItems.Remove(2);
    EXPECT_EQ(l.selected(), "000 focus none");
    l.list.userClickItem(1);
    l.list.userClickEmpty();
    EXPECT_EQ(l.selected(), "000 focus none");
}

constexpr int16_t ArrowDown = 40;

// The skin's raw gestures, one word each, with the entry they land on: press, ctrl and shift (presses
// with the modifier), right (press and release), double, end (the double-click interval ends), lose (the
// keyboard goes elsewhere), move, ctrl-move and shift-move (a key that moves the keyboard row there, if
// the control lets the widget move it) and ctrl-space. While a name is edited, keys do nothing.
TEST(ListGestures, ASlowSecondClickRenamesTheSoleSelectedEntryAndCtrlMovesOnlyTheKeyboardRow) {
    const struct {
        const char* steps;
        const char* expected;
    } rows[] = {
        {"press 2, press 2, end", "0100 focus Alpha, editing Alpha"},
        {"press 2, end", "0100 focus Alpha"},
        {"press 2, press 2, lose, end", "0100 focus Alpha"},
        {"press 2, press 2, double 2, end", "0100 focus Alpha"},
        {"press 2, press 2, press 3, end", "0010 focus charlie"},
        {"press 2, press 2, right 2, end", "0100 focus Alpha"},
        {"press 2, shift 2, end", "0100 focus Alpha"},
        {"press 2, ctrl 3, press 2, end", "0100 focus Alpha"},
        {"press 2, ctrl 3, press 2, press 2, end", "0100 focus Alpha, editing Alpha"},
        {"press 2, ctrl-move 4, ctrl-space 4, shift-move 1", "1111 focus delta"},
        {"press 2, press 2, end, move 3, ctrl-space 4", "0100 focus Alpha, editing Alpha"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.steps);
        List l;
        ui::ListView& list = l.list;
        for (const auto& [word, n] : tests::scriptSteps(row.steps)) {
            const ui::Hit hit{n, {4, 20 * n}};
            const int16_t shift = word.starts_with("ctrl")    ? ui::vbCtrlMask
                                  : word.starts_with("shift") ? ui::vbShiftMask
                                                              : 0;
            if (word == "press" || word == "ctrl" || word == "shift")
                list.userPress(ui::vbLeftButton, shift, hit);
            if (word == "right") {
                list.userPress(ui::vbRightButton, 0, hit);
                list.userRelease(ui::vbRightButton, hit);
            }
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
        }
        const ui::ListItem* editing = list.EditingItem();
        EXPECT_EQ(l.selected() + (editing != nullptr ? ", editing " + editing->Text() : ""), row.expected);
    }
}

} // namespace
