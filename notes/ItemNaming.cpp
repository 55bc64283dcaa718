#include "notes/ItemNaming.h"

#include <unordered_set>

namespace notes {

bool ItemExists(const NotesStore& store, std::string_view folderKey, std::string_view name) {
    for (int i = 0; i < store.ItemCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (store.ItemFolder[at] == folderKey && store.ItemName[at] == name)
            return true;
    }
    return false;
}

std::optional<std::string> newItemName(const NotesStore& store, std::string_view folderKey) {
    std::unordered_set<std::string_view> taken;
    for (int i = 0; i < store.ItemCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (store.ItemFolder[at] == folderKey)
            taken.insert(store.ItemName[at]);
    }
    std::string name = "New Item";
    if (!taken.contains(name))
        return name;
    for (int n = 2; n <= NotesStore::MaxEntries; ++n) {
        name = "New Item (" + std::to_string(n) + ")";
        if (!taken.contains(name))
            return name;
    }
    return std::nullopt;
}

} // namespace notes
