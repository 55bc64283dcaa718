#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace notes {

// How many folders have each joined key, the parent's key, "\" and the name, joined as FolderExists
// compares them: with the "\" kept even after an empty parent, and counting duplicates, so that the
// answer is the one a scan over the table would give whatever the table holds.
class FolderKeyIndex {
public:
    void add(std::string_view parent, std::string_view name) { ++counts_[joined(parent, name)]; }

    void remove(std::string_view parent, std::string_view name) {
        scratch_.assign(parent).append(1, '\\').append(name);
        const auto it = counts_.find(scratch_);
        if (it != counts_.end() && --it->second == 0)
            counts_.erase(it);
    }

    bool contains(std::string_view key) const { return counts_.find(key) != counts_.end(); }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>()(key); }
    };

    static std::string joined(std::string_view parent, std::string_view name) {
        std::string key;
        key.reserve(parent.size() + 1 + name.size());
        key.append(parent).append(1, '\\').append(name);
        return key;
    }

    std::unordered_map<std::string, int, Hash, std::equal_to<>> counts_;
    // Spares an allocation per removed folder when a large subtree goes.
    std::string scratch_;
};

} // namespace notes
