#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::FolderWindow;
using Keys = std::vector<std::string>;

// Scrivlet\Work holding Sub, items in both, a sibling Workshop with an item, and Trash\Old with one.
struct WorkWindow : FolderWindow {
    WorkWindow() {
        add("Scrivlet", "Work");
        add("Scrivlet\\Work", "Sub");
        add("Scrivlet", "Workshop");
        add("Trash", "Old");
        item("Scrivlet\\Work", "w1", "one");
        item("Scrivlet\\Workshop", "shop", "tools");
        item("Scrivlet\\Work\\Sub", "s1", "deep");
        item("Trash\\Old", "o1", "old");
    }
};

TEST(FolderAdd, TakesNewFolderElseTheFirstFreeNumberFromTwo) {
    const struct {
        Keys present;
        const char* expected;
    } rows[] = {
        {{}, "New Folder"},
        {{"New Folder (2)"}, "New Folder"},
        {{"New Folder", "New Folder (3)"}, "New Folder (2)"},
        {{"New Folder", "New Folder (2)"}, "New Folder (3)"},
        {{"new folder"}, "New Folder"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        FolderWindow w;
        w.add("Scrivlet", "P");
        for (const std::string& name : row.present)
            w.add("Scrivlet\\P", name);
        w.click("Scrivlet\\P");
        w.menu().mFolderAdd.userChoose();
        const int added = w.store().LastFolder();
        EXPECT_EQ(w.store().FolderKey(added), std::string("Scrivlet\\P\\") + row.expected);
        EXPECT_EQ(w.tree().Nodes(added).Parent()->Key(), "Scrivlet\\P");
        EXPECT_EQ(w.view().SelFolder, added);
        EXPECT_EQ(w.tree().EditingNode(), &w.tree().Nodes(added));
    }
}

TEST(FolderAdd, ThreeAddsUnderTheRootEachOpenForItsName) {
    FolderWindow w;
    for (int n = 0; n < 3; ++n) {
        w.menu().mFolderAdd.userChoose();
        // Confirming the proposed name keeps it: the folder is not re-created.
        const int before = w.store().LastFolder();
        w.tree().userEndLabelEdit(w.tree().SelectedItem()->Text());
        EXPECT_EQ(w.store().LastFolder(), before);
        w.click("Scrivlet");
    }
    EXPECT_EQ(w.folders(), (Keys{"Scrivlet", "Trash", "Scrivlet\\New Folder", "Scrivlet\\New Folder (2)",
                                 "Scrivlet\\New Folder (3)"}));
}

TEST(FolderAdd, TypingTheNameRightAwayRenamesTheNewFolder) {
    FolderWindow w;
    w.menu().mFolderAdd.userChoose();
    w.tree().userEndLabelEdit("Letters");
    EXPECT_EQ(w.folders(), (Keys{"Scrivlet", "Trash", "Scrivlet\\Letters"}));
    EXPECT_EQ(w.tree().Nodes(3).Text(), "Letters");
}

TEST(FolderDelete, MovesTheSubtreeToTrashWithItsItemsKeepingTheirIndices) {
    WorkWindow w;
    w.click("Scrivlet\\Work");
    w.menu().mFolderDelete.userChoose();
    EXPECT_EQ(w.folders(), (Keys{"Scrivlet", "Trash", "Scrivlet\\Workshop", "Trash\\Old", "Trash\\Work",
                                 "Trash\\Work\\Sub"}));
    EXPECT_EQ(w.items(),
              (Keys{"w1@Trash\\Work", "shop@Scrivlet\\Workshop", "s1@Trash\\Work\\Sub", "o1@Trash\\Old"}));
    EXPECT_EQ(w.store().ItemText[2], "deep");

    // A second Work goes to Trash\Work (2), then (3).
    for (const char* expected : {"Trash\\Work (2)", "Trash\\Work (3)"}) {
        w.add("Scrivlet", "Work");
        w.click("Scrivlet\\Work");
        w.tree().userKeyUp(ui::vbKeyDelete, 0);
        EXPECT_EQ(w.folders().back(), expected);
    }
}

TEST(FolderDelete, InsideTrashRemovesTheSubtreeAndItsItemsForGood) {
    WorkWindow w;
    w.add("Trash\\Old", "Older");
    w.add("Trash", "Oldish");
    w.item("Trash\\Old\\Older", "o2");
    w.item("Trash\\Oldish", "kept");
    w.click("Trash\\Old");
    w.menu().mFolderDelete.userChoose();
    EXPECT_EQ(w.folders(), (Keys{"Scrivlet", "Trash", "Scrivlet\\Work", "Scrivlet\\Work\\Sub",
                                 "Scrivlet\\Workshop", "Trash\\Oldish"}));
    EXPECT_EQ(w.items(), (Keys{"w1@Scrivlet\\Work", "shop@Scrivlet\\Workshop", "s1@Scrivlet\\Work\\Sub",
                               "kept@Trash\\Oldish"}));
    // The tree's own rule picks the next sibling; no NodeClick, but the list follows it.
    EXPECT_EQ(w.selectedKey(), "Trash\\Oldish");
    EXPECT_EQ(w.view().SelFolder, 6);
    EXPECT_EQ(w.controls().lItem.ListItems.Count(), 1);
}

TEST(FolderDelete, TheDeleteKeyActsOnlyWhileTheMenuEntryIsEnabled) {
    for (const char* key : {"Scrivlet", "Trash"}) {
        SCOPED_TRACE(key);
        WorkWindow w;
        w.click(key);
        w.tree().userKeyUp(ui::vbKeyDelete, ui::vbShiftMask);
        w.tree().userKeyUp(ui::vbKeyF2, 0);
        EXPECT_EQ(w.store().LastFolder(), 6);
    }
    WorkWindow w;
    w.click("Scrivlet\\Workshop");
    w.tree().userKeyUp(ui::vbKeyDelete, ui::vbShiftMask);
    EXPECT_EQ(w.folders().back(), "Trash\\Workshop");
}

TEST(EmptyTrash, RemovesEverythingBelowTrashAndKeepsTrashSelected) {
    WorkWindow w;
    w.click("Scrivlet\\Work");
    w.menu().mFolderDelete.userChoose();
    w.item("Trash", "loose");
    w.click("Trash");
    ASSERT_EQ(w.controls().lItem.ListItems.Count(), 1);
    w.menu().mFolderTrashEmpty.userChoose();
    EXPECT_EQ(w.folders(), (Keys{"Scrivlet", "Trash", "Scrivlet\\Workshop"}));
    EXPECT_EQ(w.items(), (Keys{"shop@Scrivlet\\Workshop"}));
    EXPECT_EQ(w.selectedKey(), "Trash");
    EXPECT_EQ(w.controls().lItem.ListItems.Count(), 0);
    EXPECT_EQ(w.tree().Nodes.Count(), 3);
}

TEST(FolderRename, ReCreatesTheSubtreeAtTheEndWithTheSameItems) {
    WorkWindow w;
    w.tree().Nodes(3).setExpanded(true);
    w.rename("Scrivlet\\Work", "Job");
    EXPECT_EQ(w.folders(), (Keys{"Scrivlet", "Trash", "Scrivlet\\Workshop", "Trash\\Old", "Scrivlet\\Job",
                                 "Scrivlet\\Job\\Sub"}));
    EXPECT_EQ(w.items(), (Keys{"w1@Scrivlet\\Job", "shop@Scrivlet\\Workshop", "s1@Scrivlet\\Job\\Sub",
                               "o1@Trash\\Old"}));
    EXPECT_EQ(w.tree().Nodes(5).Text(), "Job");
    EXPECT_TRUE(w.tree().Nodes(5).Expanded());
    EXPECT_EQ(w.tree().EditingNode(), nullptr);
}

TEST(FolderRename, RefusedNamesLeaveEverythingAndTheLabelAsItWas) {
    for (const char* name : {"Work", "Workshop", "", "A\\B", "Trash"}) {
        SCOPED_TRACE(name);
        WorkWindow w;
        w.add("Scrivlet", "Trash");
        const Keys before = w.folders();
        w.rename("Scrivlet\\Work", name);
        EXPECT_EQ(w.folders(), before);
        EXPECT_EQ(w.tree().Nodes(3).Text(), "Work");
        EXPECT_EQ(w.selectedKey(), "Scrivlet\\Work");
    }
}

TEST(FolderRename, NeitherTheRootNorTrashOpensForEditing) {
    for (const char* key : {"Scrivlet", "Trash"}) {
        SCOPED_TRACE(key);
        WorkWindow w;
        w.click(key);
        w.tree().userBeginLabelEdit();
        EXPECT_EQ(w.tree().EditingNode(), nullptr);
    }
    WorkWindow w;
    w.click("Trash\\Old");
    w.menu().Bar.userPressShortcut("F2");
    EXPECT_EQ(w.tree().EditingNode(), &w.tree().Nodes(6));
}

} // namespace
