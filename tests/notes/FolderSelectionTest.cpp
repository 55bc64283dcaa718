#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::FolderWindow;

// A window holding Scrivlet\Work with two items, Scrivlet\Work\Sub with one, and Trash\Old.
struct NotesWindow : FolderWindow {
    NotesWindow() {
        notes().Tree().AppendFolder("Scrivlet", "Work");
        notes().Tree().AppendFolder("Scrivlet\\Work", "Sub");
        notes().Tree().AppendFolder("Trash", "Old");
        store().AppendItem("first", "Scrivlet\\Work", "text of first");
        store().AppendItem("deep", "Scrivlet\\Work\\Sub", "text of deep");
        store().AppendItem("second", "Scrivlet\\Work", "text of second");
        notes().List().ListFolderItems(false);
    }
};

TEST(FolderSelection, ClickingTheShownFolderAgainKeepsTheListAsItIs) {
    NotesWindow window;
    window.click("Scrivlet\\Work");
    EXPECT_EQ(window.controls().lTre.Nodes(1).Image(), 1);
    EXPECT_EQ(window.controls().lTre.Nodes(2).Image(), 2);
    EXPECT_EQ(window.controls().lTre.Nodes(4).Image(), 3);
    EXPECT_EQ(window.controls().lTre.Nodes(4).SelectedImage(), 4);
    EXPECT_EQ(window.controls().lItem.ListItems(1).SmallIcon(), 5);
    window.controls().lItem.userClickItem(2);
    window.store().AppendItem("added later", "Scrivlet\\Work", "");
    window.click("Scrivlet\\Work");
    EXPECT_EQ(window.entries(), "first second*");
    window.notes().List().ListFolderItems(false);
    EXPECT_EQ(window.entries(), "first second added later");
}

// Typing stays in the text box until the next gesture on the notes, which stores it first and then binds
// the text box to what is selected, or unbinds it.
TEST(TypedText, TheNextGestureStoresTheTypingThenBindsOrUnbinds) {
    const struct {
        const char* gesture;
        const char* shown; // nullptr: the text box is unbound
        const char* entries;
    } rows[] = {
        {"click another entry", "text of second", "first second*"},
        {"click the shown entry", "text of first typed", "first* second"},
        {"Ctrl-click a second entry", nullptr, "first* second*"},
        {"click another folder", nullptr, ""},
        {"click the empty part of the list", nullptr, "first second"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.gesture);
        NotesWindow window;
        window.click("Scrivlet\\Work");
        ui::ListView& list = window.controls().lItem;
        ui::TextBox& text = window.controls().lText;
        // With no entry selected the text box is disabled and takes nothing.
        window.type("lost?");
        EXPECT_EQ(text.Text(), "");
        EXPECT_FALSE(window.view().TextDirty);
        list.userClickItem(1);
        window.type(" typed");
        EXPECT_EQ(window.store().ItemText[0], "text of first");
        EXPECT_TRUE(window.view().TextDirty);
        int changes = 0;
        text.Change.connect([&changes] { ++changes; });

        const std::string gesture = row.gesture;
        if (gesture == "click another entry")
            list.userClickItem(2);
        else if (gesture == "click the shown entry")
            list.userClickItem(1);
        else if (gesture == "Ctrl-click a second entry")
            list.userClickItem(2, ui::vbCtrlMask);
        else if (gesture == "click another folder")
            window.click("Trash");
        else
            list.userClickEmpty();

        EXPECT_EQ(window.store().ItemText[0], "text of first typed");
        EXPECT_FALSE(window.view().TextDirty);
        EXPECT_EQ(text.Enabled(), row.shown != nullptr);
        EXPECT_EQ(text.Text(), row.shown != nullptr ? row.shown : "");
        EXPECT_EQ(window.entries(), row.entries);
        if (row.shown == nullptr) {
            EXPECT_EQ(window.view().ShownItem, -1);
        }
        // The shown entry again keeps the text as it is, without reloading it.
        if (gesture == "click the shown entry") {
            EXPECT_EQ(changes, 0);
        }
    }
}

TEST(FolderSelection, ARefusedAppendLeavesStoreAndTreeAsTheyWere) {
    NotesWindow window;
    const struct {
        const char *parent, *name, *why;
    } refused[] = {
        {"Scrivlet", "Work", "the key is in use"},
        {"Scrivlet\\Nowhere", "Child", "the parent has no node"},
    };
    for (const auto& row : refused) {
        SCOPED_TRACE(row.why);
        EXPECT_FALSE(window.notes().Tree().AppendFolder(row.parent, row.name));
        EXPECT_EQ(window.store().FolderCount(), 5.0F);
        EXPECT_EQ(window.controls().lTre.Nodes.Count(), 5);
        EXPECT_EQ(window.store().FolderName(6), "");
    }
    EXPECT_TRUE(window.notes().Tree().AppendFolder("Scrivlet", "Workshop"));
    EXPECT_EQ(window.controls().lTre.Nodes(6).Key(), "Scrivlet\\Workshop");
}

} // namespace
