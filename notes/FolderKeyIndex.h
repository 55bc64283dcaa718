#pragma once

#include "ui/FlatKeyMap.h"

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace notes {

// How many folders have each joined key, the parent's key, "\" and the name, joined as FolderExists
// compares them: with the "\" kept even after an empty parent, and counting duplicates, so that the
// answer is the one a scan over the table would give whatever the table holds.
class FolderKeyIndex {
public:
    FolderKeyIndex() = default;
    // The index points into its own entries (the map holds pointers to them), so it is neither copied
    // nor moved; the store that holds it is not either.
    FolderKeyIndex(const FolderKeyIndex&) = delete;
    FolderKeyIndex& operator=(const FolderKeyIndex&) = delete;

    void add(std::string_view parent, std::string_view name) {
        join(parent, name);
        const std::size_t hash = Counts::hashOf(scratch_);
        if (Entry* entry = counts_.find(scratch_, hash); entry != nullptr) {
            ++entry->count;
            return;
        }
        Entry* entry = nullptr;
        if (free_.empty()) {
            entry = &entries_.emplace_back();
        } else {
            entry = free_.back();
            free_.pop_back();
        }
        entry->key.assign(scratch_);
        entry->count = 1;
        counts_.insert(entry, hash);
    }

    void remove(std::string_view parent, std::string_view name) {
        join(parent, name);
        const std::size_t hash = Counts::hashOf(scratch_);
        Entry* entry = counts_.find(scratch_, hash);
        if (entry != nullptr && --entry->count == 0) {
            counts_.erase(scratch_, hash);
            free_.push_back(entry);
        }
    }

    bool contains(std::string_view key) const { return counts_.find(key) != nullptr; }

private:
    struct Entry {
        std::string key;
        int count = 0;
    };
    struct KeyOfEntry {
        std::string_view operator()(const Entry& entry) const { return entry.key; }
    };
    using Counts = ui::FlatKeyMap<Entry, KeyOfEntry>;

    void join(std::string_view parent, std::string_view name) {
        scratch_.assign(parent).append(1, '\\').append(name);
    }

    Counts counts_;
    // Entries stay put for the index's pointers; freed ones keep their key's memory for the next key,
    // so a large subtree moved back and forth allocates nothing after the first time.
    std::deque<Entry> entries_;
    std::vector<Entry*> free_;
    std::string scratch_;
};

} // namespace notes
