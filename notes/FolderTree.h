#pragma once

#include "notes/ItemList.h"
#include "notes/NotesStore.h"
#include "ui/TreeView.h"

#include <string>
#include <vector>

namespace notes {

// The tree side of the notes: one node per folder, node i showing folder i, and the selection of a
// folder by the user.
class FolderTree {
public:
    FolderTree(NotesStore& store, ui::TreeView& lTre, ItemList& list);

    // Appends a folder to the store and its node to the tree. Refused (false), with both left as they
    // were, when the store is full or the tree takes no such node (its key is in use or its parent has
    // no node).
    bool appendFolder(std::string parent, std::string name);
    // Removes the folders at `indices` (ascending, none below 3) and their nodes, in one pass over the
    // table and one batch removal of nodes, which ends as removing them one by one from the highest down.
    void removeFolders(const std::vector<int>& indices);

    void BuildFolderTree(const std::string& selectKey);

private:
    ui::TreeNode* addFolderNode(int i);

    void lTre_NodeClick();

    NotesStore& store_;
    ui::TreeView& lTre;
    ItemList& list_;
};

} // namespace notes
