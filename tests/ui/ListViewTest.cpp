#include "ui/ListView.h"

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

} // namespace
