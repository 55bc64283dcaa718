#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace notes {

// The in-memory tables of folders and items, held as parallel arrays with a count. Folders occupy
// indices 1 to FolderCount (1 is the root "Scrivlet", 2 the "Trash"); items occupy 0 to ItemCount-1.
// A folder is known by its path key: its parent's key, "\" and its name, e.g. Scrivlet\Work.
//
// Counts and indices are 16-bit, so each table holds at most MaxEntries entries; appending beyond that
// is refused and leaves the store as it was.
struct NotesStore {
    static constexpr int Slots = 65536;
    static constexpr int MaxEntries = 32767;

    NotesStore();

    int16_t SelFolder = 0;
    std::vector<std::string> FolderParent;
    std::vector<std::string> FolderName;
    // A whole number kept in single precision, as the folder table has always counted its entries.
    float FolderCount = 0.0F;
    std::vector<std::string> ItemName;
    std::vector<std::string> ItemFolder;
    std::vector<std::string> ItemText;
    int16_t ItemCount = 0;
    int16_t SelItem = 0;
    int16_t ListedCount = 0;
    bool TextDirty = false;
    int16_t ShownFolder = 0;
    int16_t ShownItem = 0;
    int16_t MenuKind = 0;

    // FolderCount as the bound of a loop over folder indices.
    int16_t LastFolder() const { return static_cast<int16_t>(FolderCount); }

    std::string FolderKey(int i) const;
    bool FolderExists(std::string_view key) const;
    int16_t FolderKind(int i) const;

    // Appends a folder or an item. Both refuse (return false, change nothing) when the table is full.
    bool AppendFolder(std::string parent, std::string name);
    bool AppendItem(std::string name, std::string folder, std::string text);
    void RemoveFolderAt(int i);
    void RemoveItemAt(int j);
};

// Folder kinds, which decide the menu states.
inline constexpr int16_t KindOrdinary = 0;
inline constexpr int16_t KindRoot = 1;
inline constexpr int16_t KindTrash = 2;
inline constexpr int16_t KindInTrash = 3;

// Whether the key or item folder `path` lies in the subtree of the folder keyed `top`: it equals `top` or
// begins with `top` and "\". Scrivlet\Workshop is not in the subtree of Scrivlet\Work.
bool IsInSubtree(std::string_view path, std::string_view top);
// Whether an item's folder lies inside the Trash (the Trash itself included).
bool IsInTrash(std::string_view itemFolder);

} // namespace notes
