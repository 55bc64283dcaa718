#include "notes/ItemNaming.h"
#include "tests/support/StartedWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using testing_support::StartedWindow;

// A window with the folders Scrivlet\Work and Scrivlet\Home, and Trash\Old, with Work selected. Each test
// runs with the item list in insertion order and again sorted by name: the commands must not care.
struct ItemsWindow : StartedWindow {
    explicit ItemsWindow(bool sorted) {
        controls().lItem.setSorted(sorted);
        notes().Tree().AppendFolder("Scrivlet", "Work");
        notes().Tree().AppendFolder("Scrivlet", "Home");
        notes().Tree().AppendFolder("Trash", "Old");
        openFolder("Scrivlet\\Work");
    }

    void openFolder(const std::string& key) {
        controls().lTre.userClickNode(controls().lTre.Nodes.find(key)->Index());
    }

    // Item -> Add, then the user types `name` into the opened label and presses Enter.
    void addItem(const std::string& name) {
        menu().mItemAdd.userChoose();
        controls().lItem.userEndLabelEdit(name);
    }

    int positionOf(const std::string& name) {
        ui::ListView& list = controls().lItem;
        for (int i = 1; i <= list.ListItems.Count(); ++i) {
            if (list.ListItems(i).Text() == name)
                return i;
        }
        ADD_FAILURE() << name << " is not listed";
        return 0;
    }

    void click(const std::string& name, int16_t shift = 0) {
        controls().lItem.userClickItem(positionOf(name), shift);
    }

    // The listed names in the order of the store, which does not depend on the list's order.
    std::vector<std::string> listedNames() {
        std::vector<std::pair<int16_t, std::string>> entries;
        ui::ListView& list = controls().lItem;
        for (int i = 1; i <= list.ListItems.Count(); ++i)
            entries.emplace_back(notes::ItemList::ItemIndexOf(list.ListItems(i)), list.ListItems(i).Text());
        std::sort(entries.begin(), entries.end());
        std::vector<std::string> names;
        for (const auto& entry : entries)
            names.push_back(entry.second);
        return names;
    }
};

class ItemCommands : public testing::TestWithParam<bool> {};
INSTANTIATE_TEST_SUITE_P(InsertionAndNameOrder, ItemCommands, testing::Bool(),
                         [](const auto& info) { return info.param ? "Sorted" : "Unsorted"; });

TEST_P(ItemCommands, AddNamesNewItemsWithTheFirstFreeNumber) {
    ItemsWindow w(GetParam());
    for (int k = 0; k < 3; ++k)
        w.addItem(k == 0 ? "New Item" : "New Item (" + std::to_string(k + 1) + ")");
    EXPECT_EQ(w.listedNames(), (std::vector<std::string>{"New Item", "New Item (2)", "New Item (3)"}));
    EXPECT_EQ(w.store().ItemText[2], "");

    // A gap is taken again, and the plain name once it is free.
    w.click("New Item (2)");
    w.menu().mItemRename.userChoose();
    w.controls().lItem.userEndLabelEdit("Renamed");
    const int passes = w.platform.eventPasses;
    w.menu().mItemAdd.userChoose();
    EXPECT_EQ(w.controls().lItem.EditingItem()->Text(), "New Item (2)");
    EXPECT_TRUE(w.controls().lItem.EditingItem()->Selected());
    // The window is drawn once before the label opens.
    EXPECT_EQ(w.platform.eventPasses, passes + 1);
    w.controls().lItem.userCancelLabelEdit();
    w.click("New Item");
    w.menu().mItemRename.userChoose();
    w.controls().lItem.userEndLabelEdit("Other");
    w.menu().mItemAdd.userChoose();
    EXPECT_EQ(w.controls().lItem.EditingItem()->Text(), "New Item");
}

// The most common sequence: add, type a name, Enter, again and again: each edit completes on the new
// entry, not on the item selected before.
TEST_P(ItemCommands, AddingAndNamingInARowNamesEachNewItem) {
    ItemsWindow w(GetParam());
    const std::vector<std::string> names = {"Foo", "Bar", "Baz", "Qux"};
    for (const std::string& name : names)
        w.addItem(name);
    EXPECT_EQ(w.listedNames(), names);
    EXPECT_EQ(w.store().ItemCount, 4);
}

TEST_P(ItemCommands, RenameRefusesANameTheFolderAlreadyHas) {
    ItemsWindow w(GetParam());
    w.addItem("Letter");
    w.addItem("Memo");
    w.openFolder("Scrivlet\\Home");
    w.addItem("Recipe");
    w.openFolder("Scrivlet\\Work");
    ui::ListView& list = w.controls().lItem;
    const struct {
        const char* newName;
        bool accepted;
    } rows[] = {{"Letter", false}, {"Memo", false}, {"Recipe", true}, {"", true}, {"memo", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.newName);
        w.click(w.store().ItemName[1]);
        const std::string before = w.store().ItemName[1];
        w.menu().mItemRename.userChoose();
        list.userEndLabelEdit(row.newName);
        EXPECT_EQ(w.store().ItemName[1], row.accepted ? row.newName : before);
        EXPECT_EQ(list.ListItems(w.positionOf(w.store().ItemName[1])).Key(), "x1");
        EXPECT_TRUE(list.ListItems(w.positionOf(w.store().ItemName[1])).Selected());
        EXPECT_EQ(list.ListItems.Count(), 2);
    }
}

TEST_P(ItemCommands, TypingReachesTheStoreBeforeARenameOrAnAdd) {
    ItemsWindow w(GetParam());
    w.addItem("Letter");
    w.controls().lText.userType("Dear");
    w.menu().mItemRename.userChoose();
    EXPECT_EQ(w.store().ItemText[0], "Dear");
    w.controls().lText.userType(" friend");
    w.controls().lItem.userEndLabelEdit("Mail");
    EXPECT_EQ(w.store().ItemText[0], "Dear friend");
    w.controls().lText.userType(",");
    w.addItem("Memo");
    EXPECT_EQ(w.store().ItemText[0], "Dear friend,");
}

TEST_P(ItemCommands, CopyAndPasteAddCopiesAtTheEndAsOftenAsPasted) {
    ItemsWindow w(GetParam());
    for (const char* name : {"A", "B", "C"}) {
        w.addItem(name);
        w.click(name);
        w.controls().lText.userType(std::string("text ") + name);
    }
    w.click("A");
    w.click("C", ui::vbCtrlMask);
    w.controls().lText.userType("never stored");
    w.menu().mItemCopy[0]->userChoose();
    w.openFolder("Scrivlet\\Home");
    w.menu().mItemCopy[2]->userChoose();
    w.menu().mItemCopy[2]->userChoose();
    EXPECT_EQ(w.listedNames(), (std::vector<std::string>{"A", "C", "A", "C"}));
    EXPECT_EQ(w.store().ItemFolder[3], "Scrivlet\\Home");
    EXPECT_EQ(w.store().ItemText[3], "text A");
    EXPECT_EQ(w.store().ItemText[6], "text C");

    // A copy with nothing selected keeps what the clipboard holds.
    w.controls().lItem.userClickEmpty();
    w.menu().mItemCopy[0]->userChoose();
    EXPECT_EQ(w.notes().Clipboard().ClipCount, 2);
    EXPECT_EQ(w.notes().Clipboard().ClipName[1], "C");
}

TEST_P(ItemCommands, CutKeepsTheTypingAndPasteBringsTheItemBack) {
    ItemsWindow w(GetParam());
    w.addItem("Draft");
    w.addItem("Keep");
    w.click("Draft");
    w.controls().lText.userType("typed just now");
    EXPECT_TRUE(w.menu().Bar.userPressShortcut("Ctrl+X"));
    EXPECT_EQ(w.listedNames(), std::vector<std::string>{"Keep"});
    EXPECT_TRUE(w.menu().Bar.userPressShortcut("Ctrl+V"));
    EXPECT_EQ(w.listedNames(), (std::vector<std::string>{"Keep", "Draft"}));
    EXPECT_EQ(w.store().ItemText[1], "typed just now");
}

TEST_P(ItemCommands, DeleteRemovesExactlyTheSelectedItems) {
    ItemsWindow w(GetParam());
    for (const char* name : {"d", "b", "e", "a", "c"}) {
        w.addItem(name);
        w.click(name);
        w.controls().lText.userType(name);
    }
    w.openFolder("Scrivlet\\Home");
    w.addItem("elsewhere");
    w.openFolder("Scrivlet\\Work");
    w.click("e");
    w.click("d", ui::vbCtrlMask);
    w.click("c", ui::vbCtrlMask);
    w.controls().lItem.userKeyUp(ui::vbKeyDelete, 0);
    EXPECT_EQ(w.listedNames(), (std::vector<std::string>{"b", "a"}));
    ASSERT_EQ(w.store().ItemCount, 3);
    const char* expected[][2] = {{"b", "b"}, {"a", "a"}, {"elsewhere", ""}};
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(w.store().ItemName[j], expected[j][0]);
        EXPECT_EQ(w.store().ItemText[j], expected[j][1]);
    }
}

TEST(ItemKeysAndPopup, DeleteKeyActsOnlyWhileTheEntryIsEnabled) {
    ItemsWindow w(false);
    w.addItem("Note");
    w.store().AppendItem("In Trash", "Trash", "");
    w.store().AppendItem("Deeper", "Trash\\Old", "");
    const struct {
        const char* folder;
        int left;
    } rows[] = {{"Trash", 1}, {"Trash\\Old", 0}, {"Scrivlet\\Work", 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder);
        w.openFolder(row.folder);
        w.controls().lItem.userClickItem(1);
        w.controls().lItem.userKeyUp(ui::vbKeyDelete, 0);
        EXPECT_EQ(w.controls().lItem.ListItems.Count(), row.left);
    }
}

TEST(ItemLimits, AddAndPasteRefuseWholeWhenTheStoreWouldOverflow) {
    ItemsWindow w(false);
    w.addItem("Seed");
    w.menu().mItemCopy[0]->userChoose();
    while (w.store().ItemCount < notes::NotesStore::MaxEntries - 1)
        w.store().AppendItem("filler", "Scrivlet\\Home", "");
    w.menu().mItemCopy[2]->userChoose();
    EXPECT_EQ(w.store().ItemCount, notes::NotesStore::MaxEntries);
    w.menu().mItemCopy[2]->userChoose();
    w.menu().mItemAdd.userChoose();
    EXPECT_EQ(w.store().ItemCount, notes::NotesStore::MaxEntries);
    EXPECT_EQ(w.controls().lItem.ListItems.Count(), 2);
    EXPECT_EQ(w.controls().lItem.EditingItem(), nullptr);
}

// The batch forms must give exactly what the written loops give, on tables of every shape.
TEST(ItemBatchesMatchTheirLoops, RemovalAndNaming) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        notes::NotesStore literal;
        const int count = static_cast<int>(random() % 60);
        for (int j = 0; j < count; ++j) {
            const std::string name =
                random() % 2 ? "New Item" : "New Item (" + std::to_string(random() % 6) + ")";
            literal.AppendItem(name, random() % 3 ? "F" : "G", std::to_string(j));
        }
        std::vector<int16_t> doomed;
        for (int j = 0; j < count; ++j) {
            if (random() % 3 == 0)
                doomed.push_back(static_cast<int16_t>(j));
        }
        std::shuffle(doomed.begin(), doomed.end(), random);

        std::optional<std::string> expectedName;
        if (!notes::ItemExists(literal, "F", "New Item")) {
            expectedName = "New Item";
        } else {
            for (int n = 2; n <= 32767 && !expectedName; ++n) {
                const std::string name = "New Item (" + std::to_string(n) + ")";
                if (!notes::ItemExists(literal, "F", name))
                    expectedName = name;
            }
        }
        ASSERT_EQ(notes::NewItemName(literal, "F"), expectedName);

        notes::NotesStore batch = literal;
        std::vector<int16_t> descending = doomed;
        std::sort(descending.rbegin(), descending.rend());
        for (int16_t d : descending)
            literal.RemoveItemAt(d);
        batch.RemoveItemsAt(doomed);
        ASSERT_EQ(batch.ItemCount, literal.ItemCount);
        for (std::size_t j = 0; j < static_cast<std::size_t>(count); ++j) {
            ASSERT_EQ(batch.ItemName[j], literal.ItemName[j]);
            ASSERT_EQ(batch.ItemFolder[j], literal.ItemFolder[j]);
            ASSERT_EQ(batch.ItemText[j], literal.ItemText[j]);
        }
    }
}

} // namespace
