#include "notes/FolderTransfer.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace notes {

namespace {

// The folders from 3 to `last` whose keys lie in the subtree of `top`, in index order. One key buffer
// serves the whole pass, so a full table costs no allocation per folder.
std::vector<int> foldersInSubtree(const NotesStore& store, std::string_view top, int last) {
    std::vector<int> found;
    std::string key;
    for (int i = 3; i <= last; ++i) {
        key.assign(store.FolderParent(i)).append(1, '\\').append(store.FolderName(i));
        if (isInSubtree(key, top))
            found.push_back(i);
    }
    return found;
}

std::vector<int16_t> itemsInSubtree(const NotesStore& store, std::string_view top, int count) {
    std::vector<int16_t> found;
    for (int j = 0; j < count; ++j)
        if (isInSubtree(store.ItemFolder[static_cast<std::size_t>(j)], top))
            found.push_back(static_cast<int16_t>(j));
    return found;
}

// How many levels the subtree of `folders` (index order, its top first) reaches below its top. A
// parent's index is below its children's, so each folder's parent has its level already.
int levelsBelowTop(const ui::TreeView& tree, const std::vector<int>& folders) {
    if (folders.empty())
        return 0;
    std::vector<int> level(static_cast<std::size_t>(tree.Nodes.Count()) + 1, 0);
    int deepest = 0;
    for (auto it = folders.begin() + 1; it != folders.end(); ++it) {
        const int own = level[static_cast<std::size_t>(tree.Nodes(*it).Parent()->Index())] + 1;
        level[static_cast<std::size_t>(*it)] = own;
        deepest = std::max(deepest, own);
    }
    return deepest;
}

// The key of `path` once the subtree it lies in has moved from `source` to `destination`.
std::string carried(std::string_view path, const std::string& source, const std::string& destination) {
    std::string key = destination;
    key.append(path.substr(source.size()));
    return key;
}

} // namespace

FolderTransfer::FolderTransfer(NotesStore& store, ui::TreeView& tree, FolderTree& folders,
                               ItemTextBinding& text, ItemList& list)
    : store_(store), lTre(tree), tree_(folders), text_(text), list_(list) {}

// Folders reach the table only below one of the two fixed folders, so a key without "\" is the root or
// the Trash, neither of which is ever transferred, nor is anything transferred to their place.
void FolderTransfer::TransferFolder(const std::string& source, std::string destination, int16_t mode) {
    if (source == destination || isInSubtree(destination, source))
        return;
    text_.StoreItemText();
    if (source.find('\\') == std::string::npos)
        return;
    const bool copies = mode < TransferDelete;
    if (copies && destination.find('\\') == std::string::npos)
        return;
    if (copies && store_.FolderExists(destination) && !freeDestination(destination))
        return;

    const int oldFolders = store_.lastFolder();
    const int oldItems = store_.ItemCount;
    const std::vector<int> folders = foldersInSubtree(store_, source, oldFolders);
    const std::vector<int16_t> items = itemsInSubtree(store_, source, oldItems);
    // A move copies before it removes, so for a moment it holds the table and the moved subtree: without
    // that many free rows the copies could not be appended, nor their nodes indexed. Refusing the whole
    // transfer up front leaves no half-copied subtree behind.
    if (copies && oldFolders + static_cast<int>(folders.size()) > NotesStore::MaxEntries)
        return;
    if (mode == TransferCopy && oldItems + static_cast<int>(items.size()) > NotesStore::MaxEntries)
        return;
    if (copies && folderDepth(destination) + levelsBelowTop(lTre, folders) > MaxFolderDepth)
        return;

    bool copied = true;
    if (copies) {
        copied = copyFolders(source, destination, folders);
        if (copied)
            carryItems(source, destination, mode, items);
    }
    if (mode >= TransferMove && copied)
        tree_.removeFolders(folders);
    if (mode == TransferDelete)
        store_.removeItemsAt(items);
    list_.ListFolderItems(false);
}

// Step by step from (2): the first free suffix. With every one up to 32767 taken there is no key left to
// give, and the transfer is refused rather than making a second folder with a key in use.
bool FolderTransfer::freeDestination(std::string& destination) const {
    std::string candidate;
    for (int n = 2; n <= NotesStore::MaxEntries; ++n) {
        candidate.assign(destination).append(" (").append(std::to_string(n)).append(1, ')');
        if (!store_.FolderExists(candidate)) {
            destination = std::move(candidate);
            return true;
        }
    }
    return false;
}

// Copies in index order, so each copy's parent is in place before the copy. The copy of the source
// itself takes the destination's parent and name; the others keep their names under the carried key.
bool FolderTransfer::copyFolders(const std::string& source, const std::string& destination,
                                 const std::vector<int>& folders) {
    const std::size_t split = destination.rfind('\\');
    const std::string newParent = destination.substr(0, split);
    const std::string newName = destination.substr(split + 1);
    // The whole copy reaches the view as one inserted subtree.
    lTre.Nodes.beginAdds();
    const bool copied = std::all_of(folders.begin(), folders.end(), [&](const int i) {
        const std::string& parent = store_.FolderParent(i);
        const bool below = parent.starts_with(source);
        // Appending can fail only on a broken table; the old entries then stay where they are.
        if (!tree_.appendFolder(below ? carried(parent, source, destination) : newParent,
                                below ? store_.FolderName(i) : newName))
            return false;
        lTre.Nodes(store_.lastFolder()).setExpanded(lTre.Nodes(i).Expanded());
        return true;
    });
    lTre.Nodes.endAdds();
    return copied;
}

// A move re-points the items in place, so they keep their indices; a copy appends new ones.
void FolderTransfer::carryItems(const std::string& source, const std::string& destination, int16_t mode,
                                const std::vector<int16_t>& items) {
    for (const int j : items) {
        const auto at = static_cast<std::size_t>(j);
        std::string folder = carried(store_.ItemFolder[at], source, destination);
        if (mode == TransferCopy)
            store_.appendItem(store_.ItemName[at], std::move(folder), store_.ItemText[at]);
        else
            store_.ItemFolder[at] = std::move(folder);
    }
}

} // namespace notes
