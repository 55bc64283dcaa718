#include "ui/ListView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

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

// Sorted order against a plain case-blind comparison on random texts drawn from few letters, so that
// shared prefixes, prefixes of each other and texts equal but for case all turn up; added out of order
// and in order, and sorted afterwards.
TEST(ListSelection, SortedOrderMatchesACaseBlindComparison) {
    const auto reference = [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    };
    std::mt19937 random(1123);
    const std::string letters = "aAbB_ \xe9";
    for (const bool sortFirst : {true, false}) {
        SCOPED_TRACE(sortFirst ? "sorted while adding" : "sorted afterwards");
        for (int round = 0; round < 50; ++round) {
            ui::ListView list("lItem", nullptr);
            list.setSorted(sortFirst);
            std::vector<std::string> texts;
            for (int k = 0; k < 40; ++k) {
                std::string text;
                for (int n = std::uniform_int_distribution<int>(0, 5)(random); n > 0; --n)
                    text +=
                        letters[std::uniform_int_distribution<std::size_t>(0, letters.size() - 1)(random)];
                texts.push_back(text);
                list.ListItems.Add("k" + std::to_string(k), text);
            }
            list.setSorted(true);
            ASSERT_EQ(list.ListItems.Add("k0", "a key in use"), nullptr);
            std::stable_sort(texts.begin(), texts.end(), reference);
            for (int i = 1; i <= list.ListItems.Count(); ++i)
                ASSERT_EQ(list.ListItems(i).Text(), texts[static_cast<std::size_t>(i - 1)]) << "entry " << i;
        }
    }
}

} // namespace
