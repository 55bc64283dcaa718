#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using testing_support::FolderWindow;

// Every folder holding one item, Trash\Old among them; the clipboard holds the item of Home.
struct KindsWindow : FolderWindow {
    KindsWindow() {
        add("Scrivlet", "Work");
        add("Scrivlet", "Home");
        add("Trash", "Old");
        add("Scrivlet", "Trash");
        for (const char* folder :
             {"Scrivlet", "Trash", "Scrivlet\\Work", "Scrivlet\\Home", "Trash\\Old", "Scrivlet\\Trash"})
            store().AppendItem(std::string("in ") + folder, folder, "");
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

// What the user can do in each kind of folder, with its one item selected, through the menus and the
// keys; a command that may not act changes nothing at all.
TEST(CommandsByFolderKind, EachKindOfFolderTakesOnlyItsCommands) {
    const struct {
        const char* name;
        std::function<void(KindsWindow&)> act;
    } commands[] = {
        {"folder-add", [](KindsWindow& w) { w.menu().mFolderAdd.userChoose(); }},
        {"folder-rename", [](KindsWindow& w) { w.menu().mFolderRename.userChoose(); }},
        {"folder-edit", [](KindsWindow& w) { w.tree().userBeginLabelEdit(); }},
        {"folder-delete", [](KindsWindow& w) { w.menu().mFolderDelete.userChoose(); }},
        {"folder-del-key", [](KindsWindow& w) { w.tree().userKeyUp(ui::vbKeyDelete, 0); }},
        {"empty-trash", [](KindsWindow& w) { w.menu().mFolderTrashEmpty.userChoose(); }},
        {"item-add", [](KindsWindow& w) { w.menu().mItemAdd.userChoose(); }},
        {"item-rename", [](KindsWindow& w) { w.menu().mItemRename.userChoose(); }},
        {"copy", [](KindsWindow& w) { w.menu().mItemCopy[0]->userChoose(); }},
        {"cut", [](KindsWindow& w) { w.menu().mItemCopy[1]->userChoose(); }},
        {"paste", [](KindsWindow& w) { w.menu().mItemCopy[2]->userChoose(); }},
        {"item-delete", [](KindsWindow& w) { w.menu().mItemDelete.userChoose(); }},
        {"item-del-key", [](KindsWindow& w) { w.controls().lItem.userKeyUp(ui::vbKeyDelete, 0); }},
    };
    const struct {
        const char* folder;
        const char* acting;
    } rows[] = {
        {"Scrivlet", "folder-add"},
        {"Trash", "empty-trash"},
        {"Trash\\Old", "folder-rename folder-edit folder-delete folder-del-key item-rename cut item-delete "
                       "item-del-key"},
        {"Scrivlet\\Work", "folder-add folder-rename folder-edit folder-delete folder-del-key item-add "
                           "item-rename copy cut paste item-delete item-del-key"},
        {"Scrivlet\\Trash", "folder-add folder-rename folder-edit folder-delete folder-del-key item-add "
                            "item-rename copy cut paste item-delete item-del-key"},
    };
    for (const auto& row : rows) {
        std::string acting;
        for (const auto& command : commands) {
            KindsWindow w;
            w.click(row.folder);
            w.controls().lItem.userClickItem(1);
            const std::string before = w.everything();
            command.act(w);
            if (w.everything() != before)
                acting += std::string(acting.empty() ? "" : " ") + command.name;
        }
        EXPECT_EQ(acting, row.acting) << row.folder;
    }
}

// Work holds a (text "A") and b, with a selected and " typed" not yet stored. Whatever the command does,
// the typing is not lost: it reaches a's text, or the clipboard when a is cut; only deleting a drops it.
TEST(CommandsWithTypingPending, EveryCommandOnTheSelectedNoteKeepsTheTyping) {
    const struct {
        const char* command;
        std::function<void(FolderWindow&)> act;
        int storedCopies;
        bool inClipboard;
    } rows[] = {
        {"item add", [](FolderWindow& w) { w.menu().mItemAdd.userChoose(); }, 1, false},
        {"item rename",
         [](FolderWindow& w) {
             w.menu().mItemRename.userChoose();
             w.controls().lItem.userEndLabelEdit("renamed");
         },
         1, false},
        {"item rename to a taken name",
         [](FolderWindow& w) {
             w.menu().mItemRename.userChoose();
             w.controls().lItem.userEndLabelEdit("b");
         },
         1, false},
        // Copy takes the text as stored; the typing stays in the text box.
        {"copy", [](FolderWindow& w) { w.menu().mItemCopy[0]->userChoose(); }, 1, false},
        {"cut", [](FolderWindow& w) { w.menu().mItemCopy[1]->userChoose(); }, 0, true},
        {"cut and paste back",
         [](FolderWindow& w) {
             w.menu().mItemCopy[1]->userChoose();
             w.menu().mItemCopy[2]->userChoose();
         },
         1, true},
        {"paste", [](FolderWindow& w) { w.menu().mItemCopy[2]->userChoose(); }, 1, false},
        {"item delete", [](FolderWindow& w) { w.menu().mItemDelete.userChoose(); }, 0, false},
        {"folder add", [](FolderWindow& w) { w.menu().mFolderAdd.userChoose(); }, 1, false},
        {"folder rename",
         [](FolderWindow& w) {
             w.menu().mFolderRename.userChoose();
             w.tree().userEndLabelEdit("Job");
         },
         1, false},
        {"folder rename refused",
         [](FolderWindow& w) {
             w.menu().mFolderRename.userChoose();
             w.tree().userEndLabelEdit("Home");
         },
         1, false},
        {"folder delete", [](FolderWindow& w) { w.menu().mFolderDelete.userChoose(); }, 1, false},
        {"folder moved", [](FolderWindow& w) { w.drag("Scrivlet\\Work", "Scrivlet\\Home"); }, 1, false},
        {"folder copied", [](FolderWindow& w) { w.drag("Scrivlet\\Work", "Scrivlet\\Home", ui::vbCtrlMask); },
         2, false},
        {"drop refused", [](FolderWindow& w) { w.drag("Scrivlet\\Work", "Trash"); }, 1, false},
        {"another folder dragged", [](FolderWindow& w) { w.drag("Scrivlet\\Home", "Scrivlet\\Work"); }, 1,
         false},
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
        row.act(w);
        if (w.controls().lItem.EditingItem() != nullptr)
            w.controls().lItem.userEndLabelEdit("new");
        if (w.tree().EditingNode() != nullptr)
            w.tree().userEndLabelEdit("New Folder");
        w.click("Trash");
        const std::vector<std::string> items = w.items();
        EXPECT_EQ(std::count_if(items.begin(), items.end(),
                                [](const std::string& item) { return item.ends_with(":A typed"); }),
                  row.storedCopies);
        EXPECT_EQ(w.notes().Clipboard().ClipText[0] == "A typed", row.inClipboard);
    }
}

} // namespace
