#include "notes/FolderTree.h"

#include "ui/ImageList.h"

#include <utility>

namespace notes {

FolderTree::FolderTree(NotesStore& store, ui::TreeView& tree, ItemList& list)
    : store_(store), lTre(tree), list_(list) {
    lTre.NodeClick.connect([this](ui::TreeNode&) { lTre_NodeClick(); });
}

bool FolderTree::appendFolder(std::string parent, std::string name) {
    if (!store_.appendFolder(std::move(parent), std::move(name)))
        return false;
    if (addFolderNode(store_.lastFolder()) != nullptr)
        return true;
    store_.RemoveFolderAt(store_.lastFolder());
    return false;
}

void FolderTree::removeFolders(const std::vector<int>& indices) {
    store_.removeFoldersAt(indices);
    lTre.Nodes.removeBatch(indices);
}

ui::TreeNode* FolderTree::addFolderNode(int i) {
    if (i == 1)
        return lTre.Nodes.Add("Scrivlet", "Scrivlet", ui::ImageRoot);
    if (i == 2)
        return lTre.Nodes.Add("Trash", "Trash", ui::ImageTrash);
    return lTre.Nodes.Add(store_.FolderParent(i), ui::tvwChild, store_.FolderKey(i), store_.FolderName(i),
                          ui::ImageFolder, ui::ImageFolderSelected);
}

void FolderTree::BuildFolderTree(const std::string& selectKey) {
    addFolderNode(1);
    addFolderNode(2);
    bool matched = false;
    for (int i = 3; i <= store_.lastFolder(); ++i) {
        addFolderNode(i);
        if (selectKey == store_.FolderParent(i) + "\\" + store_.FolderName(i)) {
            lTre.Nodes(i).setSelected(true);
            matched = true;
        }
    }
    if (!matched)
        lTre.Nodes(list_.SelFolder()).setSelected(true);
    list_.ListFolderItems(false);
}

// The node argument is not used: the tree's selection decides.
void FolderTree::lTre_NodeClick() {
    list_.ListFolderItems(true);
}

} // namespace notes
