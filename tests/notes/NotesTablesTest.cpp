#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tests::FolderWindow;
using Keys = std::vector<std::string>;

// An append the tree cannot take (its key in use, its parent without a node) leaves the store and the tree
// as they were. Each node shows the icon of its kind, a folder another one while selected.
TEST(FolderTable, ARefusedAppendLeavesStoreAndTreeAsTheyWere) {
    FolderWindow w;
    w.add("Scrivlet", "Work");
    w.item("Scrivlet\\Work", "note");
    for (const auto& [parent, name] : {std::pair{"Scrivlet", "Work"}, {"Scrivlet\\Nowhere", "Child"}}) {
        SCOPED_TRACE(parent);
        EXPECT_FALSE(w.notes().tree().appendFolder(parent, name));
        EXPECT_EQ(w.folders(), (Keys{"Scrivlet", "Trash", "Scrivlet\\Work"}));
        EXPECT_EQ(w.tree().Nodes.Count(), 3);
    }
    EXPECT_TRUE(w.notes().tree().appendFolder("Scrivlet", "Workshop"));
    EXPECT_EQ(w.tree().Nodes(4).Key(), "Scrivlet\\Workshop");
    w.click("Scrivlet\\Work");
    const int icons[] = {w.tree().Nodes(1).Image(), w.tree().Nodes(2).Image(), w.tree().Nodes(3).Image(),
                         w.tree().Nodes(3).SelectedImage(), w.controls().lItem.ListItems(1).SmallIcon()};
    EXPECT_EQ(std::vector<int>(std::begin(icons), std::end(icons)), (std::vector<int>{1, 2, 3, 4, 5}));
}

// What does not fit is refused whole: with one row free a two-folder subtree must not arrive half, nor
// two items in part.
TEST(TableLimits, WhatDoesNotFitIsRefusedWhole) {
    FolderWindow w;
    w.add("Scrivlet", "Big");
    w.add("Scrivlet\\Big", "Inner");
    w.add("Scrivlet", "Small");
    for (int i = w.store().lastFolder() + 1; i < notes::NotesStore::MaxEntries; ++i)
        w.add("Scrivlet\\Big\\Inner", std::to_string(i));
    // One row free: Small (one folder) may move, Big (two and more) may neither move nor be copied.
    w.drag("Scrivlet\\Small", "Scrivlet\\Big");
    EXPECT_EQ(w.folders().back(), "Scrivlet\\Big\\Small");
    const Keys full = w.folders();
    w.click("Scrivlet\\Big");
    w.menu().mFolderDelete.userChoose();
    w.rename("Scrivlet\\Big", "Large");
    w.drag("Scrivlet\\Big\\Inner", "Scrivlet\\Big\\Small", ui::vbCtrlMask);
    EXPECT_EQ(w.folders(), full);

    w.add("Scrivlet", "Last");
    ASSERT_EQ(w.store().lastFolder(), notes::NotesStore::MaxEntries);
    w.click("Scrivlet");
    w.menu().mFolderAdd.userChoose();
    EXPECT_EQ(w.store().lastFolder(), notes::NotesStore::MaxEntries);
    EXPECT_EQ(w.tree().editingNode(), nullptr);

    // One item row free: a copy of a folder of two items and a paste of them are refused whole, a move
    // needs no row, and an add takes the last one, its label opening once the window has been drawn.
    FolderWindow items;
    items.add("Scrivlet", "Two");
    items.item("Scrivlet\\Two", "a");
    items.item("Scrivlet\\Two", "b");
    items.click("Scrivlet\\Two");
    items.controls().lItem.userClickItem(1);
    items.controls().lItem.userClickItem(2, ui::vbCtrlMask);
    items.menu().mItemCopy[0]->userChoose();
    while (items.store().ItemCount < notes::NotesStore::MaxEntries - 1)
        items.store().appendItem("filler", "Scrivlet", "");
    items.add("Scrivlet", "Target");
    items.drag("Scrivlet\\Two", "Scrivlet\\Target", ui::vbCtrlMask);
    items.menu().mItemCopy[2]->userChoose();
    EXPECT_EQ(items.store().ItemCount, notes::NotesStore::MaxEntries - 1);
    EXPECT_FALSE(items.store().FolderExists("Scrivlet\\Target\\Two"));
    EXPECT_EQ(items.selection(), "Scrivlet\\Two | a* b* unbound");
    items.drag("Scrivlet\\Two", "Scrivlet\\Target");
    items.click("Scrivlet\\Target\\Two");
    const int passes = items.platform.eventPasses;
    items.menu().mItemAdd.userChoose();
    EXPECT_EQ(items.platform.eventPasses, passes + 1);
    items.controls().lItem.userEndLabelEdit("Last");
    items.menu().mItemAdd.userChoose();
    EXPECT_EQ(items.store().ItemCount, notes::NotesStore::MaxEntries);
    EXPECT_EQ(items.selection(), "Scrivlet\\Target\\Two | a b Last* []");
    EXPECT_EQ(items.controls().lItem.editingItem(), nullptr);
}

} // namespace
