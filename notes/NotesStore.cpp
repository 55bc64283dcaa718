#include "notes/NotesStore.h"

#include <algorithm>
#include <utility>

namespace notes {

void NotesStore::initialiseFolders() {
    folderName_[1] = "Scrivlet";
    folderName_[2] = "Trash";
    folderCount_ = 2.0F;
    keys_.add(folderParent_[1], folderName_[1]);
    keys_.add(folderParent_[2], folderName_[2]);
}

std::string NotesStore::FolderKey(int i) const {
    const std::string& parent = folderParent_[static_cast<std::size_t>(i)];
    const std::string& name = folderName_[static_cast<std::size_t>(i)];
    return parent.empty() ? name : parent + "\\" + name;
}

// The join keeps the "\" even for an empty parent, so the root and the Trash are never found: every key
// asked about here names a folder below one of them.
bool NotesStore::FolderExists(std::string_view key) const {
    return keys_.contains(key);
}

int16_t NotesStore::FolderKind(int i) const {
    if (i == 1)
        return KindRoot;
    if (i == 2)
        return KindTrash;
    return folderParent_[static_cast<std::size_t>(i)].starts_with("Trash") ? KindInTrash : KindOrdinary;
}

bool NotesStore::appendFolder(std::string parent, std::string name) {
    if (lastFolder() >= MaxEntries)
        return false;
    folderCount_ += 1.0F;
    const auto i = static_cast<std::size_t>(lastFolder());
    keys_.add(parent, name);
    folderParent_[i] = std::move(parent);
    folderName_[i] = std::move(name);
    return true;
}

bool NotesStore::appendItem(std::string name, std::string folder, std::string text) {
    if (ItemCount >= MaxEntries)
        return false;
    const auto j = static_cast<std::size_t>(ItemCount);
    ItemName[j] = std::move(name);
    ItemFolder[j] = std::move(folder);
    ItemText[j] = std::move(text);
    ++ItemCount;
    return true;
}

void NotesStore::RemoveFolderAt(int i) {
    const int16_t last = lastFolder();
    keys_.remove(folderParent_[static_cast<std::size_t>(i)], folderName_[static_cast<std::size_t>(i)]);
    for (int k = i; k <= last - 1; ++k) {
        folderName_[static_cast<std::size_t>(k)] = std::move(folderName_[static_cast<std::size_t>(k + 1)]);
        folderParent_[static_cast<std::size_t>(k)] =
            std::move(folderParent_[static_cast<std::size_t>(k + 1)]);
    }
    folderCount_ -= 1.0F;
    folderName_.releaseFrom(static_cast<std::size_t>(last));
    folderParent_.releaseFrom(static_cast<std::size_t>(last));
}

void NotesStore::RemoveItemAt(int j) {
    for (int k = j; k <= ItemCount - 2; ++k) {
        const auto to = static_cast<std::size_t>(k);
        ItemName[to] = std::move(ItemName[to + 1]);
        ItemFolder[to] = std::move(ItemFolder[to + 1]);
        ItemText[to] = std::move(ItemText[to + 1]);
    }
    --ItemCount;
    const auto count = static_cast<std::size_t>(ItemCount);
    ItemName.releaseFrom(count);
    ItemFolder.releaseFrom(count);
    ItemText.releaseFrom(count);
}

void NotesStore::removeFoldersAt(const std::vector<int>& indices) {
    if (indices.empty())
        return;
    const auto last = static_cast<std::size_t>(lastFolder());
    auto to = static_cast<std::size_t>(indices.front());
    std::size_t removed = 0;
    for (auto from = to; from <= last; ++from) {
        if (removed < indices.size() && static_cast<std::size_t>(indices[removed]) == from) {
            keys_.remove(folderParent_[from], folderName_[from]);
            ++removed;
            folderCount_ -= 1.0F;
            continue;
        }
        folderName_[to] = std::move(folderName_[from]);
        folderParent_[to] = std::move(folderParent_[from]);
        ++to;
    }
    folderName_.releaseFrom(to);
    folderParent_.releaseFrom(to);
}

void NotesStore::removeItemsAt(std::vector<int16_t> indices) {
    if (indices.empty())
        return;
    std::sort(indices.begin(), indices.end());
    std::size_t kept = static_cast<std::size_t>(indices.front());
    auto next = indices.begin();
    for (int j = indices.front(); j < ItemCount; ++j) {
        if (next != indices.end() && *next == j) {
            ++next;
            continue;
        }
        const auto from = static_cast<std::size_t>(j);
        ItemName[kept] = std::move(ItemName[from]);
        ItemFolder[kept] = std::move(ItemFolder[from]);
        ItemText[kept] = std::move(ItemText[from]);
        ++kept;
    }
    ItemCount = static_cast<int16_t>(kept);
    ItemName.releaseFrom(kept);
    ItemFolder.releaseFrom(kept);
    ItemText.releaseFrom(kept);
}

bool isInSubtree(std::string_view path, std::string_view top) {
    return path == top || (path.size() > top.size() && path.starts_with(top) && path[top.size()] == '\\');
}

bool isInTrash(std::string_view itemFolder) {
    return itemFolder.starts_with("Trash");
}

} // namespace notes
