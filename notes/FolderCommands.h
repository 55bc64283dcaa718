#pragma once

#include "notes/FolderTransfer.h"
#include "notes/FolderTree.h"
#include "notes/ItemList.h"
#include "notes/ItemTextBinding.h"
#include "notes/NotesControls.h"
#include "notes/NotesStore.h"

namespace notes {

// The Folder menu's commands, on the selected folder. They do not test the folder kind themselves: the
// menu states make them reachable only where they apply.
class FolderCommands {
public:
    FolderCommands(NotesStore& store, NotesControls& controls, ItemTextBinding& text, ItemList& list,
                   FolderTree& tree, FolderTransfer& transfer);

    void mFolderAdd_Click();
    void mFolderRename_Click();
    void mFolderDelete_Click();
    void mFolderTrashEmpty_Click();

private:
    NotesStore& store_;
    ui::TreeView& lTre;
    ItemTextBinding& text_;
    ItemList& list_;
    FolderTree& tree_;
    FolderTransfer& transfer_;
};

} // namespace notes
