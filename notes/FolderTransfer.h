#pragma once

#include "notes/FolderTree.h"
#include "notes/ItemList.h"
#include "notes/ItemTextBinding.h"
#include "notes/NotesStore.h"
#include "ui/TreeView.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace notes {

// What TransferFolder does with the folder and everything below it.
inline constexpr int16_t TransferCopy = 1;
inline constexpr int16_t TransferMove = 2;
inline constexpr int16_t TransferDelete = 3;

// How deep folders nest: a folder right below the root or the Trash is at depth 1. Every folder key
// spells out the path above it, so a chain's memory grows with the square of its depth, and the tree
// widget lays out open levels recursively. At this depth a chain of names of the longest length stays
// within a frame for every gesture and a few tens of megabytes. Adds, moves and copies that would put a
// folder deeper are refused whole, as those that would overfill a table; a delete only ever moves a
// subtree up.
inline constexpr int MaxFolderDepth = 256;

// The depth of the folder keyed `key`: how many "\" it holds.
inline int folderDepth(std::string_view key) {
    return static_cast<int>(std::count(key.begin(), key.end(), '\\'));
}

// The one routine that changes where folders are: it copies, moves or deletes a folder with all folders
// below it and all their items, keeping the store and the tree in step. A move is a copy to the new
// place followed by the removal of the old entries, so moved folders get new indices at the end of the
// table; their items keep theirs.
class FolderTransfer {
public:
    FolderTransfer(NotesStore& store, ui::TreeView& lTre, FolderTree& tree, ItemTextBinding& text,
                   ItemList& list);

    // `source` and `destination` are path keys; the destination is empty for a delete. A refused
    // transfer changes nothing but storing the pending text, and refreshes no view.
    void TransferFolder(const std::string& source, std::string destination, int16_t mode);

private:
    bool freeDestination(std::string& destination) const;
    bool copyFolders(const std::string& source, const std::string& destination,
                     const std::vector<int>& folders);
    void carryItems(const std::string& source, const std::string& destination, int16_t mode,
                    const std::vector<int16_t>& items);

    NotesStore& store_;
    ui::TreeView& lTre;
    FolderTree& tree_;
    ItemTextBinding& text_;
    ItemList& list_;
};

} // namespace notes
