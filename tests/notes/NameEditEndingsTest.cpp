#include "tests/notes/FolderWindow.h"
#include "tests/support/MenuCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Folders A, B and C below the root and Sub below A, A holding the notes One and Two, A selected with its
// notes listed: nodes 3 to 6 are A, B, C and Sub, entries 1 and 2 One and Two.
struct NamingWindow : tests::FolderWindow {
    NamingWindow() {
        for (const char* name : {"A", "B", "C"})
            add("Scrivlet", name);
        add("Scrivlet\\A", "Sub");
        item("Scrivlet\\A", "One");
        item("Scrivlet\\A", "Two");
        click("Scrivlet\\A");
    }
    // Opens the name of node or entry n for typing.
    void rename(bool folder, int n) {
        folder ? tree().userClickNode(n) : controls().lItem.userClickItem(n);
        tests::entryNamed(menu().Bar, folder ? "mFolderRename" : "mItemRename").userChoose();
    }
};

// A press that ends a rename acts on the folder or note that was under the pointer, found again once the
// rename has moved it; when the rename took it away, the press only completes the rename. A command
// chosen meanwhile completes the name first, a refused one getting its old name back, then runs. Each row
// renames a folder or note (node or entry n), types a name, ends the edit with a press on a node or entry
// or with a menu entry, and says the name the renamed one bears and what is selected.
TEST(NameEditEndings, APressActsOnWhatWasUnderThePointerAndACommandRunsOnTheCompletedName) {
    const struct {
        const char* renamed;
        const char* typed;
        const char* ending;
        const char* named;
        const char* selection;
    } rows[] = {
        {"folder 3", "Z", "press 4", "Z", "Scrivlet\\B | unbound"},
        {"folder 3", "Z", "press 6", "Z", "Scrivlet\\B | unbound"},
        {"folder 3", "B", "press 5", "A", "Scrivlet\\C | unbound"},
        {"folder 3", "Z", "mFolderAdd", "Z", "Scrivlet\\B\\New Folder | unbound"},
        {"note 1", "Zed", "press 2", "Zed", "Scrivlet\\A | Two* Zed []"},
        {"note 1", "Zed", "press 1", "Zed", "Scrivlet\\A | Two Zed* []"},
        {"note 1", "Two", "press 2", "One", "Scrivlet\\A | One Two* []"},
        {"note 1", "Zed", "mItemCopy_2", "Zed", "Scrivlet\\A | Zed Two unbound"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.renamed) + " to " + row.typed + ", " + row.ending);
        NamingWindow w;
        const auto [what, renamed] = tests::scriptSteps(row.renamed).front();
        const bool folder = what == "folder";
        ui::ListView& list = w.controls().lItem;
        w.rename(folder, renamed);
        folder ? tests::typeName(w.tree(), row.typed) : tests::typeName(list, row.typed);
        const auto [word, n] = tests::scriptSteps(row.ending).front();
        if (word != "press")
            tests::entryNamed(w.menu().Bar, word).userChoose();
        else if (folder)
            tests::clickRow(w.tree(), n);
        else
            list.userPress(ui::vbLeftButton, 0, tests::on(n));
        EXPECT_EQ(folder ? w.nodeOf("Scrivlet\\" + std::string(row.named)) != 0
                         : w.store().ItemName[0] == row.named,
                  true);
        EXPECT_EQ(w.selection(), row.selection);
    }
}

// Enter, Tab and Shift+Tab complete a name; Tab and Shift+Tab first move the keyboard on to the next or
// the previous control, and the name of a note just added then sends it to the note box, so that what is
// typed next goes into the new note.
TEST(NameEditEndings, TabMovesTheKeyboardOnAndANewNotesNameSendsItToTheNoteBox) {
    const struct {
        const char* command;
        const char* key;
        const char* keyboard;
    } rows[] = {
        {"mFolderRename", "Tab", " lTre next"},
        {"mFolderRename", "Shift+Tab", " lTre previous"},
        {"mItemAdd", "Enter", " lText"},
        {"mItemAdd", "Tab", " lItem next lText"},
        {"mItemAdd", "Shift+Tab", " lItem previous lText"},
        {"mItemRename", "Enter", ""},
        {"mItemRename", "Tab", " lItem next"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.command) + ", " + row.key);
        NamingWindow w;
        ui::ListView& list = w.controls().lItem;
        std::string keyboard;
        const auto moves = [&keyboard](const char* view) {
            return [&keyboard, view](bool next) {
                keyboard += std::string(view) + (next ? " next" : " previous");
            };
        };
        w.tree().FocusMoveRequested.connect(moves(" lTre"));
        list.FocusMoveRequested.connect(moves(" lItem"));
        w.controls().lText.FocusRequested.connect([&keyboard] { keyboard += " lText"; });
        list.userClickItem(1);
        tests::entryNamed(w.menu().Bar, row.command).userChoose();
        const std::string key = row.key;
        const bool folder = std::string(row.command) == "mFolderRename";
        if (key == "Enter")
            folder ? w.tree().userConfirmLabelEdit("Named") : list.userConfirmLabelEdit("Named");
        else
            folder ? w.tree().userTabFromLabelEdit("Named", key == "Tab")
                   : list.userTabFromLabelEdit("Named", key == "Tab");
        EXPECT_EQ(keyboard, row.keyboard);
        const std::vector<std::string> items = w.items();
        EXPECT_TRUE(folder ? w.nodeOf("Scrivlet\\Named") != 0
                           : std::find(items.begin(), items.end(), "Named@Scrivlet\\A:") != items.end());
    }
}

} // namespace
