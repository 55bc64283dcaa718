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
    // The label opens once the window has been drawn.
    const int passes = w.platform.eventPasses;
    w.addItem("Last");
    EXPECT_EQ(w.platform.eventPasses, passes + 1);
    w.menu().mItemAdd.userChoose();
    EXPECT_EQ(w.store().ItemCount, notes::NotesStore::MaxEntries);
    EXPECT_EQ(w.selection(), "Scrivlet\\Work | One Two Last* []");
    EXPECT_EQ(w.controls().lItem.EditingItem(), nullptr);
}

} // namespace
