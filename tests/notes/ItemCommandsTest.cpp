#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A window with the folders Scrivlet\Work and Scrivlet\Home, with Work selected. Each test runs with the
// item list in insertion order and again sorted by name: the commands must not care.
struct ItemsWindow : testing_support::FolderWindow {
    explicit ItemsWindow(bool sorted) {
        controls().lItem.setSorted(sorted);
        add("Scrivlet", "Work");
        add("Scrivlet", "Home");
        click("Scrivlet\\Work");
    }

    // Item -> Add, then the user types `name` into the opened label and presses Enter.
    void addItem(const std::string& name) {
        menu().mItemAdd.userChoose();
        controls().lItem.userEndLabelEdit(name);
    }
    void clickItem(const std::string& name, int16_t shift = 0) {
        ui::ListView& list = controls().lItem;
        for (int i = 1; i <= list.ListItems.Count(); ++i) {
            if (list.ListItems(i).Text() == name)
                return list.userClickItem(i, shift);
        }
        ADD_FAILURE() << name << " is not listed";
    }
    // Every listed name in the order of the store, which does not depend on the list's order, a
    // selected one marked with "*".
    std::string listed() {
        std::vector<std::pair<int16_t, std::string>> entries;
        ui::ListView& list = controls().lItem;
        for (int i = 1; i <= list.ListItems.Count(); ++i)
            entries.emplace_back(notes::ItemList::ItemIndexOf(list.ListItems(i)),
                                 list.ListItems(i).Text() + (list.ListItems(i).Selected() ? "*" : ""));
        std::sort(entries.begin(), entries.end());
        std::string names;
        for (const auto& entry : entries)
            names += (names.empty() ? "" : " ") + entry.second;
        return names;
    }
};

class ItemCommands : public testing::TestWithParam<bool> {};
INSTANTIATE_TEST_SUITE_P(InsertionAndNameOrder, ItemCommands, testing::Bool(),
                         [](const auto& info) { return info.param ? "Sorted" : "Unsorted"; });

// The new entry alone is selected, whatever its name, and its label opened, the window drawn once
// before. Which number is free is proven on random tables by the store's tests.
TEST_P(ItemCommands, AddSelectsOnlyTheNewEntryAndOpensItsLabel) {
    ItemsWindow w(GetParam());
    w.addItem("One");
    w.clickItem("One");
    const int passes = w.platform.eventPasses;
    w.menu().mItemAdd.userChoose();
    EXPECT_EQ(w.platform.eventPasses, passes + 1);
    EXPECT_EQ(w.controls().lItem.EditingItem()->Text(), "New Item");
    w.controls().lItem.userCancelLabelEdit();
    w.clickItem("One", ui::vbCtrlMask);
    w.menu().mItemAdd.userChoose();
    EXPECT_EQ(w.listed(), "One New Item New Item (2)*");
    EXPECT_EQ(w.store().ItemText[2], "");
}

// The most common sequence: add, type a name, Enter, again and again: each edit completes on the new
// entry, not on the item selected before.
TEST_P(ItemCommands, AddingAndNamingInARowNamesEachNewItem) {
    ItemsWindow w(GetParam());
    for (const char* name : {"Foo", "Bar", "Baz", "Qux"})
        w.addItem(name);
    EXPECT_EQ(w.listed(), "Foo Bar Baz Qux*");
}

TEST_P(ItemCommands, RenameRefusesOnlyANameTheFolderAlreadyHas) {
    const struct {
        const char* newName;
        const char* listed;
    } rows[] = {
        {"Letter", "Letter Memo*"}, {"Memo", "Letter Memo*"}, {"Recipe", "Letter Recipe*"},
        {"", "Letter *"},           {"memo", "Letter memo*"}, {"Letter ", "Letter Letter *"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.newName);
        ItemsWindow w(GetParam());
        w.click("Scrivlet\\Home");
        w.addItem("Recipe");
        w.click("Scrivlet\\Work");
        w.addItem("Letter");
        w.addItem("Memo");
        w.clickItem("Memo");
        w.menu().mItemRename.userChoose();
        w.controls().lItem.userEndLabelEdit(row.newName);
        EXPECT_EQ(w.listed(), row.listed);
        EXPECT_EQ(w.controls().lItem.EditingItem(), nullptr);
    }
}

// With one row free, a clipboard of two items must not arrive half.
TEST(ItemLimits, AddAndPasteRefuseWholeWhenTheStoreWouldOverflow) {
    ItemsWindow w(false);
    w.addItem("One");
    w.addItem("Two");
    w.clickItem("One");
    w.clickItem("Two", ui::vbCtrlMask);
    w.menu().mItemCopy[0]->userChoose();
    ASSERT_EQ(w.notes().Clipboard().ClipCount, 2);
    while (w.store().ItemCount < notes::NotesStore::MaxEntries - 1)
        w.store().AppendItem("filler", "Scrivlet\\Home", "");
    w.menu().mItemCopy[2]->userChoose();
    EXPECT_EQ(w.store().ItemCount, notes::NotesStore::MaxEntries - 1);
    w.menu().mItemAdd.userChoose();
    w.controls().lItem.userEndLabelEdit("Last");
    w.menu().mItemAdd.userChoose();
    EXPECT_EQ(w.store().ItemCount, notes::NotesStore::MaxEntries);
    EXPECT_EQ(w.listed(), "One Two Last*");
    EXPECT_EQ(w.controls().lItem.EditingItem(), nullptr);
}

} // namespace
