#pragma once

#include "notes/FolderKeyIndex.h"
#include "notes/Table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace notes {

// The in-memory tables of folders and items, held as parallel tables with a count. Folders occupy
// indices 1 to FolderCount (1 is the root "Scrivlet", 2 the "Trash"); items occupy 0 to ItemCount-1.
// A folder is known by its path key: its parent's key, "\" and its name, e.g. Scrivlet\Work.
//
// Counts and indices are 16-bit, so each table holds at most MaxEntries entries; appending beyond that
// is refused and leaves the store as it was.
//
// The folder tables are written only through the operations below: they keep an index of the keys in
// step, which lets FolderExists answer without a pass over the table. The item tables keep no index;
// the commands write an item's name, folder and text in place.
class NotesStore {
public:
    static constexpr int MaxEntries = 32767;

    NotesStore() = default;
    // The window holds the one store for its whole life; nothing copies it.
    NotesStore(const NotesStore&) = delete;
    NotesStore& operator=(const NotesStore&) = delete;

    Table<std::string> ItemName;
    Table<std::string> ItemFolder;
    Table<std::string> ItemText;
    int16_t ItemCount = 0;

    const std::string& FolderParent(int i) const { return folderParent_[static_cast<std::size_t>(i)]; }
    const std::string& FolderName(int i) const { return folderName_[static_cast<std::size_t>(i)]; }
    // A whole number kept in single precision, as the folder table has always counted its entries.
    float FolderCount() const { return folderCount_; }
    // FolderCount as the bound of a loop over folder indices.
    int16_t lastFolder() const { return static_cast<int16_t>(folderCount_); }

    // The two fixed folders of a new store: the root "Scrivlet" and the "Trash".
    void initialiseFolders();

    std::string FolderKey(int i) const;
    bool FolderExists(std::string_view key) const;
    int16_t FolderKind(int i) const;

    // Appends a folder or an item. Both refuse (return false, change nothing) when the table is full.
    bool appendFolder(std::string parent, std::string name);
    bool appendItem(std::string name, std::string folder, std::string text);
    void RemoveFolderAt(int i);
    void RemoveItemAt(int j);
    // Remove the entries at `indices` (each in use, once) in one pass: the tables end exactly as after
    // RemoveFolderAt or RemoveItemAt on each of them from the highest down, without shifting the rest of
    // the table once per entry. Folder indices come ascending; item indices in any order.
    void removeFoldersAt(const std::vector<int>& indices);
    void removeItemsAt(std::vector<int16_t> indices);

private:
    Table<std::string> folderParent_;
    Table<std::string> folderName_;
    float folderCount_ = 0.0F;
    FolderKeyIndex keys_;
};

// Folder kinds, which decide the menu states.
inline constexpr int16_t KindOrdinary = 0;
inline constexpr int16_t KindRoot = 1;
inline constexpr int16_t KindTrash = 2;
inline constexpr int16_t KindInTrash = 3;

// Whether the key or item folder `path` lies in the subtree of the folder keyed `top`: it equals `top` or
// begins with `top` and "\". Scrivlet\Workshop is not in the subtree of Scrivlet\Work.
bool isInSubtree(std::string_view path, std::string_view top);
// Whether an item's folder lies inside the Trash (the Trash itself included).
bool isInTrash(std::string_view itemFolder);

} // namespace notes
