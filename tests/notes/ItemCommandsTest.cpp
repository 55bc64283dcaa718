#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A window with the folders Scrivlet\Work and Scrivlet\Home, with Work selected.
struct ItemsWindow : testing_support::FolderWindow {
    ItemsWindow() {
        add("Scrivlet", "Work");
        add("Scrivlet", "Home");
        click("Scrivlet\\Work");
    }
    // Item -> Add, then the user types `name` into the opened label and presses Enter.
    void addItem(const std::string& name) {
        menu().mItemAdd.userChoose();
        controls().lItem.userEndLabelEdit(name);
    }
};

// Adding and naming in a row, the most common sequence: each edit completes on its new entry, which
// alone is selected, with the text box bound to it, whatever was selected before. The label opens once
// the window has been drawn, proposing the first free name.
TEST(ItemAdd, EachNewEntryIsSelectedAloneAndNamedByItsOwnLabel) {
    ItemsWindow w;
    for (const char* name : {"Foo", "New Item", "Baz"})
        w.addItem(name);
    EXPECT_EQ(w.selection(), "Scrivlet\\Work | Foo New Item Baz* []");
    w.controls().lItem.userClickItem(1, ui::vbCtrlMask);
    const int passes = w.platform.eventPasses;
    w.menu().mItemAdd.userChoose();
    EXPECT_EQ(w.platform.eventPasses, passes + 1);
    EXPECT_EQ(w.controls().lItem.EditingItem()->Text(), "New Item (2)");
    w.controls().lItem.userCancelLabelEdit();
    EXPECT_EQ(w.selection(), "Scrivlet\\Work | Foo New Item Baz New Item (2)* []");
}

// With one row free, a clipboard of two items must not arrive half; the one row still takes an add.
TEST(ItemLimits, AddAndPasteRefuseWholeWhenTheStoreWouldOverflow) {
    ItemsWindow w;
    w.addItem("One");
    w.addItem("Two");
    w.controls().lItem.userClickItem(1, ui::vbCtrlMask);
    w.menu().mItemCopy[0]->userChoose();
    ASSERT_EQ(w.notes().Clipboard().ClipCount, 2);
    while (w.store().ItemCount < notes::NotesStore::MaxEntries - 1)
        w.store().AppendItem("filler", "Scrivlet\\Home", "");
    w.menu().mItemCopy[2]->userChoose();
    EXPECT_EQ(w.store().ItemCount, notes::NotesStore::MaxEntries - 1);
    EXPECT_EQ(w.selection(), "Scrivlet\\Work | One* Two* unbound");
    w.addItem("Last");
    w.menu().mItemAdd.userChoose();
    EXPECT_EQ(w.store().ItemCount, notes::NotesStore::MaxEntries);
    EXPECT_EQ(w.selection(), "Scrivlet\\Work | One Two Last* []");
    EXPECT_EQ(w.controls().lItem.EditingItem(), nullptr);
}

} // namespace
