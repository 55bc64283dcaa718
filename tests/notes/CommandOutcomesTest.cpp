#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using testing_support::FolderWindow;

// Gives a command by its name, through the menus, the keys or a drag; "command:name" then confirms the
// label the command opened with that name.
void give(FolderWindow& w, const std::string& command) {
    app::MainMenu& m = w.menu();
    const std::string what = command.substr(0, command.find(':'));
    const std::pair<const char*, ui::MenuEntry*> entries[] = {
        {"folder-add", &m.mFolderAdd},
        {"folder-rename", &m.mFolderRename},
        {"folder-delete", &m.mFolderDelete},
        {"empty-trash", &m.mFolderTrashEmpty},
        {"item-add", &m.mItemAdd},
        {"item-rename", &m.mItemRename},
        {"copy", m.mItemCopy[0]},
        {"cut", m.mItemCopy[1]},
        {"paste", m.mItemCopy[2]},
        {"item-delete", &m.mItemDelete},
    };
    for (const auto& [name, entry] : entries) {
        if (what == name)
            entry->userChoose();
    }
    if (what == "folder-del-key")
        w.tree().userKeyUp(ui::vbKeyDelete, 0);
    else if (what == "item-del-key")
        w.controls().lItem.userKeyUp(ui::vbKeyDelete, 0);
    else if (what.starts_with("drag ") || what.starts_with("ctrl-drag "))
        w.drag(what.substr(what.find(' ') + 1, what.find(" onto ") - what.find(' ') - 1),
               what.substr(what.find(" onto ") + 6), what.starts_with("ctrl") ? ui::vbCtrlMask : int16_t{0});
    else if (what == "cut-paste") {
        m.mItemCopy[1]->userChoose();
        m.mItemCopy[2]->userChoose();
    }
    if (command.find(':') == std::string::npos)
        return;
    const std::string name = command.substr(command.find(':') + 1);
    if (w.controls().lItem.EditingItem() != nullptr)
        w.controls().lItem.userEndLabelEdit(name);
    if (w.tree().EditingNode() != nullptr)
        w.tree().userEndLabelEdit(name);
}

// Every folder holding one item, among them Trash\Old, a folder below it and an ordinary folder named
// Trash; the clipboard holds the item of Home.
struct KindsWindow : FolderWindow {
    KindsWindow() {
        add("Scrivlet", "Work");
        add("Scrivlet", "Home");
        add("Trash", "Old");
        add("Scrivlet", "Trash");
        add("Trash\\Old", "Deeper");
        for (const std::string& key : folders())
            store().AppendItem("in " + key, key, "");
        click("Scrivlet\\Home");
        controls().lItem.userClickItem(1);
        menu().mItemCopy[0]->userChoose();
    }
    // Whatever a command may change: the tables, the clipboard, an opened label.
    std::string everything() {
        std::string all;
        for (const std::string& key : folders())
            all += key + ";";
        for (const std::string& item : items())
            all += item + ";";
        all += notes().Clipboard().ClipName[0] + std::to_string(notes().Clipboard().ClipCount);
        return all + (tree().EditingNode() != nullptr ? " editing folder" : "") +
               (controls().lItem.EditingItem() != nullptr ? " editing item" : "");
    }
};

// What the user can do in each kind of folder, with its one item selected; a command that may not act
// changes nothing at all.
TEST(CommandsByFolderKind, EachKindOfFolderTakesOnlyItsCommands) {
    const char* const commands[] = {"folder-add",  "folder-rename", "folder-delete", "folder-del-key",
                                    "empty-trash", "item-add",      "item-rename",   "copy",
                                    "cut",         "paste",         "item-delete",   "item-del-key"};
    const struct {
        const char* folder;
        const char* acting;
    } rows[] = {
        {"Scrivlet", "folder-add"},
        {"Trash", "empty-trash"},
        {"Trash\\Old", "folder-rename folder-delete folder-del-key item-rename cut item-delete "
                       "item-del-key"},
        {"Trash\\Old\\Deeper", "folder-rename folder-delete folder-del-key item-rename cut "
                               "item-delete item-del-key"},
        {"Scrivlet\\Work", "folder-add folder-rename folder-delete folder-del-key item-add "
                           "item-rename copy cut paste item-delete item-del-key"},
        {"Scrivlet\\Trash", "folder-add folder-rename folder-delete folder-del-key item-add "
                            "item-rename copy cut paste item-delete item-del-key"},
    };
    for (const auto& row : rows) {
        std::string acting;
        for (const std::string command : commands) {
            KindsWindow w;
            w.click(row.folder);
            w.controls().lItem.userClickItem(1);
            const std::string before = w.everything();
            give(w, command);
            if (w.everything() != before)
                acting += (acting.empty() ? "" : " ") + command;
        }
        EXPECT_EQ(acting, row.acting) << row.folder;
    }
}

// Work holds a (text "A") and b, with a selected and " typed" not yet stored; the clipboard holds b.
// Whatever the command does, the typing is not lost: it reaches a's text, or the clipboard when a is
// cut; only deleting a drops it. Copy takes the text as stored, the typing staying in the text box.
TEST(CommandsWithTypingPending, EveryCommandOnTheSelectedNoteKeepsTheTyping) {
    const struct {
        const char* command;
        int storedCopies;
        bool inClipboard;
    } rows[] = {
        {"item-add", 1, false},
        {"item-rename:renamed", 1, false},
        {"item-rename:b", 1, false},
        {"copy", 1, false},
        {"cut", 0, true},
        {"cut-paste", 1, true},
        {"paste", 1, false},
        {"item-delete", 0, false},
        {"item-del-key", 0, false},
        {"folder-add:New Folder", 1, false},
        {"folder-rename:Job", 1, false},
        {"folder-rename:Home", 1, false},
        {"folder-delete", 1, false},
        {"drag Scrivlet\\Work onto Scrivlet\\Home", 1, false},
        {"ctrl-drag Scrivlet\\Work onto Scrivlet\\Home", 2, false},
        {"drag Scrivlet\\Work onto Trash", 1, false},
        {"drag Scrivlet\\Home onto Scrivlet\\Work", 1, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        FolderWindow w;
        w.add("Scrivlet", "Work");
        w.add("Scrivlet", "Home");
        w.item("Scrivlet\\Work", "a", "A");
        w.item("Scrivlet\\Work", "b", "B");
        w.click("Scrivlet\\Work");
        w.controls().lItem.userClickItem(2);
        w.menu().mItemCopy[0]->userChoose();
        w.controls().lItem.userClickItem(1);
        w.type(" typed");
        give(w, row.command);
        w.click("Trash");
        const std::vector<std::string> items = w.items();
        EXPECT_EQ(std::count_if(items.begin(), items.end(),
                                [](const std::string& item) { return item.ends_with(":A typed"); }),
                  row.storedCopies);
        EXPECT_EQ(w.notes().Clipboard().ClipText[0] == "A typed", row.inClipboard);
    }
}

} // namespace
