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

TEST(ListSelection, ClicksSelectAsTheModifiersSay) {
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
}

TEST(ListSelection, FocusMovesToTheFirstSelectedEntryWhenItsEntryIsDeselected) {
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

TEST(ListSelection, SortedModeKeepsTextOrderRegardlessOfCase) {
    List l;
    l.list.setSorted(true);
    l.list.ListItems.Add("k2", "Bravo", 5);
    std::string order;
    for (int i = 1; i <= l.list.ListItems.Count(); ++i)
        order += l.list.ListItems(i).Text() + " ";
    EXPECT_EQ(order, "Alpha bravo Bravo charlie delta ");
    EXPECT_EQ(l.list.ListItems.find("k2")->Index(), 3);
    EXPECT_EQ(l.list.ListItems.Add("k2", "again"), nullptr);
}

TEST(ListSelection, RightClicksAndEmptyClicksRaiseOnlyMouseUp) {
    List l;
    int itemClicks = 0;
    int rightUps = 0;
    l.list.ItemClick.connect([&](ui::ListItem&) { ++itemClicks; });
    l.list.MouseUp.connect(
        [&](int16_t button, int16_t, int, int) { rightUps += button == ui::vbRightButton; });
    l.list.userClickItem(2);
    l.list.userRightClick({5, 5});
    EXPECT_EQ(itemClicks, 1);
    EXPECT_EQ(rightUps, 1);
    EXPECT_EQ(l.selected(), "0100 focus Alpha");
}

} // namespace
