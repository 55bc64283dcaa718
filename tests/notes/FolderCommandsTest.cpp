#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::FolderWindow;
using Keys = std::vector<std::string>;

// The label opens on the new folder with the first free name; confirming keeps it, another name renames
// it, a refused one keeps the proposed name; either way the new folder alone is selected.
TEST(FolderAdd, TheNewFolderTakesTheFirstFreeNameAndItsLabelKeepsOrRenamesIt) {
    const struct {
        Keys present;
        const char* proposed;
        const char* typed;
        const char* kept;
    } rows[] = {
        {{}, "New Folder", "New Folder", "New Folder"},
        {{"New Folder (2)"}, "New Folder", "Letters", "Letters"},
        {{"New Folder", "New Folder (3)"}, "New Folder (2)", "", "New Folder (2)"},
        {{"new folder"}, "New Folder", "new folder", "New Folder"},
        {{"New Folder", "New Folder (2)", "New Folder (4)", "New Folder (10)"},
         "New Folder (3)",
         "x\\y",
         "New Folder (3)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.proposed);
        FolderWindow w;
        w.add("Scrivlet", "P");
        for (const std::string& name : row.present)
            w.add("Scrivlet\\P", name);
        w.click("Scrivlet\\P");
        w.menu().mFolderAdd.userChoose();
        ASSERT_NE(w.tree().EditingNode(), nullptr);
        EXPECT_EQ(w.tree().EditingNode()->Key(), std::string("Scrivlet\\P\\") + row.proposed);
        w.tree().userEndLabelEdit(row.typed);
        EXPECT_EQ(w.folders().back(), std::string("Scrivlet\\P\\") + row.kept);
        EXPECT_EQ(w.selection(), w.folders().back() + " | unbound");
    }
}

// A transfer that does not fit is refused whole: with one row free a two-folder subtree must not arrive
// half, and a copy whose items do not all fit copies none of them.
TEST(FolderLimits, TransfersThatDoNotFitAreRefusedWhole) {
    FolderWindow w;
    w.add("Scrivlet", "Big");
    w.add("Scrivlet\\Big", "Inner");
    w.add("Scrivlet", "Small");
    for (int i = w.store().LastFolder() + 1; i < notes::NotesStore::MaxEntries; ++i)
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
    ASSERT_EQ(w.store().LastFolder(), notes::NotesStore::MaxEntries);
    w.click("Scrivlet");
    w.menu().mFolderAdd.userChoose();
    EXPECT_EQ(w.store().LastFolder(), notes::NotesStore::MaxEntries);
    EXPECT_EQ(w.tree().EditingNode(), nullptr);

    FolderWindow items;
    items.add("Scrivlet", "Two");
    items.item("Scrivlet\\Two", "a");
    items.item("Scrivlet\\Two", "b");
    while (items.store().ItemCount < notes::NotesStore::MaxEntries - 1)
        items.store().AppendItem("filler", "Scrivlet", "");
    items.add("Scrivlet", "Target");
    items.drag("Scrivlet\\Two", "Scrivlet\\Target", ui::vbCtrlMask);
    EXPECT_EQ(items.store().ItemCount, notes::NotesStore::MaxEntries - 1);
    EXPECT_FALSE(items.store().FolderExists("Scrivlet\\Target\\Two"));
    items.drag("Scrivlet\\Two", "Scrivlet\\Target");
    EXPECT_TRUE(items.store().FolderExists("Scrivlet\\Target\\Two"));
}

} // namespace
