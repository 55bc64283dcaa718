#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::FolderWindow;
using Keys = std::vector<std::string>;

// Scrivlet\A holding B, Scrivlet\C, Scrivlet\Ab, Trash\T; items in A, A\B and Ab.
struct DragWindow : FolderWindow {
    DragWindow() {
        add("Scrivlet", "A");
        add("Scrivlet\\A", "B");
        add("Scrivlet", "C");
        add("Scrivlet", "Ab");
        add("Trash", "T");
        item("Scrivlet\\A", "a", "text a");
        item("Scrivlet\\A\\B", "b", "text b");
        item("Scrivlet\\Ab", "ab", "text ab");
    }
};

// The exact tables after a move and a Ctrl copy are compared with the written steps in
// TransferAgainstWrittenStepsTest; Shift and Alt must copy as Ctrl does.
TEST(FolderDrag, ShiftAndAltCopyAsCtrlDoes) {
    for (const int16_t shift : {ui::vbShiftMask, ui::vbAltMask}) {
        SCOPED_TRACE(shift);
        DragWindow copied;
        DragWindow reference;
        copied.drag("Scrivlet\\A", "Scrivlet\\C", shift);
        reference.drag("Scrivlet\\A", "Scrivlet\\C", ui::vbCtrlMask);
        EXPECT_EQ(copied.folders(), reference.folders());
        EXPECT_EQ(copied.items(), reference.items());
        EXPECT_EQ(copied.nodeOf("Scrivlet\\A"), 3);
    }
}

TEST(FolderDrag, ATakenNameGetsTheNextFreeSuffix) {
    DragWindow w;
    w.add("Scrivlet\\C", "A");
    w.drag("Scrivlet\\A", "Scrivlet\\C", ui::vbCtrlMask);
    EXPECT_EQ(w.folders().back(), "Scrivlet\\C\\A (2)\\B");
    w.drag("Scrivlet\\A", "Scrivlet\\C");
    EXPECT_EQ(w.folders().back(), "Scrivlet\\C\\A (3)\\B");
    EXPECT_EQ(w.nodeOf("Scrivlet\\A"), 0);
}

TEST(FolderDrag, RefusedDropsChangeNothingButStoreThePendingText) {
    const struct {
        const char *from, *to, *why;
    } rows[] = {
        {"Scrivlet\\A", "Scrivlet\\A", "onto itself"},
        {"Scrivlet\\A", "Scrivlet\\A\\B", "below itself"},
        {"Scrivlet\\A\\B", "Scrivlet\\A", "onto its own parent"},
        {"Scrivlet\\A", "Scrivlet", "onto its own parent, the root"},
        {"Scrivlet\\A", "Trash", "into Trash"},
        {"Scrivlet\\A", "Trash\\T", "below Trash"},
        {"Scrivlet", "Scrivlet\\C", "the root"},
        {"Trash", "Scrivlet\\C", "the Trash"},
    };
    for (const auto& row : rows) {
        for (const int16_t shift : {int16_t{0}, ui::vbCtrlMask}) {
            SCOPED_TRACE(std::string(row.why) + (shift != 0 ? " with Ctrl" : ""));
            DragWindow w;
            w.click("Scrivlet\\Ab");
            w.controls().lItem.userClickItem(1);
            w.controls().lText.userType(" typed");
            const Keys folders = w.folders();
            const Keys items = w.items();
            w.drag(row.from, row.to, shift);
            EXPECT_EQ(w.folders(), folders);
            EXPECT_EQ(w.items(), items);
            EXPECT_EQ(w.store().ItemText[2], "text ab typed");
            EXPECT_EQ(w.selectedKey(), "Scrivlet\\Ab");
            EXPECT_EQ(w.tree().DropHighlight(), nullptr);
        }
    }
}

TEST(FolderDrag, TheSourceIsTheFolderUnderThePressNotTheSelectedOne) {
    DragWindow w;
    w.click("Scrivlet\\Ab");
    ui::TreeView& tree = w.tree();
    // A press beside the nodes keeps the folder of the last press.
    tree.userMouseDown(ui::vbLeftButton, 0, ui::TreeView::pointOf(w.nodeOf("Scrivlet\\C")));
    tree.userMouseDown(ui::vbLeftButton, 0, {4, 100 * ui::TreeView::RowHeight});
    tree.userStartDrag();
    tree.userDragOver(ui::TreeView::pointOf(w.nodeOf("Scrivlet\\A")));
    EXPECT_EQ(tree.DropHighlight(), &tree.Nodes(w.nodeOf("Scrivlet\\A")));
    tree.userDrop(0, ui::TreeView::pointOf(w.nodeOf("Scrivlet\\A")));
    tree.userCompleteDrag();
    EXPECT_EQ(tree.DropHighlight(), nullptr);
    EXPECT_EQ(w.folders().back(), "Scrivlet\\A\\C");
    EXPECT_EQ(w.selectedKey(), "Scrivlet\\Ab");
}

TEST(FolderDrag, ADragLeftWithoutADropChangesNothing) {
    DragWindow w;
    const Keys before = w.folders();
    ui::TreeView& tree = w.tree();
    tree.userMouseDown(ui::vbLeftButton, 0, ui::TreeView::pointOf(3));
    tree.userStartDrag();
    tree.userDragOver(ui::TreeView::pointOf(5));
    tree.userCompleteDrag();
    // A drop that arrives after the drag ended is not a drop of that drag.
    tree.userDrop(0, ui::TreeView::pointOf(5));
    EXPECT_EQ(w.folders(), before);
    EXPECT_EQ(tree.DropHighlight(), nullptr);
}

// What the pop-up shows, and where, is checked through the real tree in FolderTreeSkinTest; its entries
// act on the selected folder, not on the one under the pointer.
TEST(FolderPopup, EntriesActOnTheSelectedFolder) {
    DragWindow w;
    w.click("Scrivlet\\C");
    w.platform.popupChoices.push_back(&w.menu().mFolderDelete);
    w.tree().userRightClick(ui::TreeView::pointOf(w.nodeOf("Scrivlet\\A")));
    ASSERT_EQ(w.platform.popups.size(), 1U);
    EXPECT_EQ(w.folders().back(), "Trash\\C");
    EXPECT_NE(w.nodeOf("Scrivlet\\A"), 0);
}

TEST(FolderLimits, FullTablesRefuseWholeAndKeepEverything) {
    FolderWindow w;
    w.add("Scrivlet", "Big");
    w.add("Scrivlet\\Big", "Inner");
    w.add("Scrivlet", "Small");
    for (int i = w.store().LastFolder() + 1; i <= notes::NotesStore::MaxEntries - 1; ++i)
        w.add("Scrivlet\\Big\\Inner", std::to_string(i));
    // One row is free: Small (one folder) may move, Big may neither move nor be copied.
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
}

// A chain as deep as folders nest: nothing may go below its deepest folder, and a subtree fits only
// where its own depth still does; Delete always may, as it moves a subtree up into the Trash.
TEST(FolderLimits, FoldersNestNoDeeperThanTheLimit) {
    FolderWindow w;
    std::vector<std::string> chain = {"Scrivlet"};
    for (int level = 1; level <= notes::MaxFolderDepth; ++level) {
        w.add(chain.back(), "L");
        chain.push_back(chain.back() + "\\L");
    }
    w.add("Scrivlet", "Two");
    w.add("Scrivlet\\Two", "Below");
    const Keys before = w.folders();
    const std::string& deepest = chain[notes::MaxFolderDepth];
    const std::string& oneAbove = chain[notes::MaxFolderDepth - 1];
    w.click(deepest);
    w.menu().mFolderAdd.userChoose();
    w.drag("Scrivlet\\Two\\Below", deepest);
    w.drag("Scrivlet\\Two", oneAbove);
    w.drag("Scrivlet\\Two", oneAbove, ui::vbCtrlMask);
    EXPECT_EQ(w.folders(), before);
    EXPECT_EQ(w.tree().EditingNode(), nullptr);

    w.drag("Scrivlet\\Two", chain[notes::MaxFolderDepth - 2], ui::vbCtrlMask);
    EXPECT_EQ(notes::FolderDepth(w.folders().back()), notes::MaxFolderDepth);
    w.click("Scrivlet\\L");
    w.menu().mFolderDelete.userChoose();
    EXPECT_EQ(notes::FolderDepth(w.folders().back()), notes::MaxFolderDepth);
    EXPECT_TRUE(w.folders().back().starts_with("Trash\\L\\L"));
}

} // namespace
