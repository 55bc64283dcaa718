#pragma once

#include "ui/ListView.h"
#include "ui/MenuEntry.h"
#include "ui/TextBox.h"
#include "ui/TreeView.h"

#include <array>

namespace notes {

// The menu entries the notes drive, handed over by the window that owns the menu bar: the Folder and
// Item menus (also shown as pop-ups over the tree and the list) and their entries. The entries are all
// of one type, so a list by position would still compile with two of them swapped: fill it with
// designated initialisers, which name each entry where it is handed over and do not compile out of
// order or with one missing.
struct NotesMenus {
    ui::MenuEntry& mFolder;
    ui::MenuEntry& mFolderAdd;
    ui::MenuEntry& mFolderRename;
    ui::MenuEntry& mFolderTrashLine;
    ui::MenuEntry& mFolderTrashEmpty;
    ui::MenuEntry& mFolderDelete;
    ui::MenuEntry& mItem;
    ui::MenuEntry& mItemAdd;
    ui::MenuEntry& mItemRename;
    std::array<ui::MenuEntry*, 3> mItemCopy;
    ui::MenuEntry& mItemDelete;
};

// The controls of the notes half of the window.
struct NotesControls {
    ui::TreeView& lTre;
    ui::ListView& lItem;
    ui::TextBox& lText;
    NotesMenus menus;
};

} // namespace notes
