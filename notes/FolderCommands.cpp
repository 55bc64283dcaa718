#include "notes/FolderCommands.h"

#include <string>
#include <vector>

namespace notes {

FolderCommands::FolderCommands(NotesStore& store, NotesControls& controls, ItemTextBinding& text,
                               ItemList& list, FolderTree& tree, FolderTransfer& transfer)
    : store_(store), lTre(controls.lTre), text_(text), list_(list), tree_(tree), transfer_(transfer) {
    NotesMenus& menus = controls.menus;
    menus.mFolderAdd.Click.connect([this] { mFolderAdd_Click(); });
    menus.mFolderRename.Click.connect([this] { mFolderRename_Click(); });
    menus.mFolderDelete.Click.connect([this] { mFolderDelete_Click(); });
    menus.mFolderTrashEmpty.Click.connect([this] { mFolderTrashEmpty_Click(); });
}

// Nothing is added, and nothing refreshed, when every name up to New Folder (32767) is taken, the
// folder table is full or the selected folder is as deep as folders nest.
void FolderCommands::mFolderAdd_Click() {
    text_.StoreItemText();
    const std::string path = store_.FolderKey(list_.SelFolder());
    if (folderDepth(path) >= MaxFolderDepth)
        return;
    std::string name = "New Folder";
    if (store_.FolderExists(path + "\\New Folder")) {
        // One buffer for every tried name: with all numbers taken that is 32,766 tries.
        const std::string prefix = path + "\\New Folder (";
        std::string tried;
        name.clear();
        for (int n = 2; n <= NotesStore::MaxEntries && name.empty(); ++n) {
            tried.assign(prefix).append(std::to_string(n)).append(1, ')');
            if (!store_.FolderExists(tried))
                name = tried.substr(path.size() + 1);
        }
        if (name.empty())
            return;
    }
    if (!tree_.appendFolder(path, name))
        return;
    lTre.Nodes(store_.lastFolder()).setSelected(true);
    list_.ListFolderItems(false);
    lTre.StartLabelEdit();
}

// The label edit's own events check the start and carry out the rename.
void FolderCommands::mFolderRename_Click() {
    lTre.StartLabelEdit();
}

// No question is asked: outside Trash the folder moves there, and inside Trash it goes for good.
void FolderCommands::mFolderDelete_Click() {
    const int at = list_.SelFolder();
    const std::string source = store_.FolderParent(at) + "\\" + store_.FolderName(at);
    if (store_.FolderParent(at).starts_with("Trash"))
        transfer_.TransferFolder(source, {}, TransferDelete);
    else
        transfer_.TransferFolder(source, "Trash\\" + store_.FolderName(at), TransferMove);
}

// Everything below Trash goes, folders and items, in one pass over each table; Trash stays selected.
void FolderCommands::mFolderTrashEmpty_Click() {
    text_.StoreItemText();
    std::vector<int> folders;
    for (int i = 3; i <= store_.lastFolder(); ++i)
        if (store_.FolderParent(i).starts_with("Trash"))
            folders.push_back(i);
    tree_.removeFolders(folders);
    std::vector<int16_t> items;
    for (int j = 0; j < store_.ItemCount; ++j)
        if (isInTrash(store_.ItemFolder[static_cast<std::size_t>(j)]))
            items.push_back(static_cast<int16_t>(j));
    store_.removeItemsAt(items);
    list_.ListFolderItems(false);
}

} // namespace notes
