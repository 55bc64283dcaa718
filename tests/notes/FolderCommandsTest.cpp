#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::FolderWindow;
using Keys = std::vector<std::string>;

// Scrivlet\Work holding Sub, a sibling Workshop, and Trash\Old.
struct WorkWindow : FolderWindow {
    WorkWindow() {
        add("Scrivlet", "Work");
        add("Scrivlet\\Work", "Sub");
        add("Scrivlet", "Workshop");
        add("Trash", "Old");
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

// Confirming the proposed name keeps the folder as it is; typing another renames it.
TEST(FolderAdd, TheOpenedLabelKeepsOrRenamesTheNewFolder) {
    FolderWindow w;
    for (const char* typed : {"New Folder", "Letters", "New Folder (2)"}) {
        w.click("Scrivlet");
        w.menu().mFolderAdd.userChoose();
        const int before = w.store().LastFolder();
        w.tree().userEndLabelEdit(typed);
        EXPECT_EQ(w.store().LastFolder(), before);
    }
    EXPECT_EQ(w.folders(), (Keys{"Scrivlet", "Trash", "Scrivlet\\New Folder", "Scrivlet\\Letters",
                                 "Scrivlet\\New Folder (2)"}));
    EXPECT_EQ(w.tree().Nodes(4).Text(), "Letters");
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
