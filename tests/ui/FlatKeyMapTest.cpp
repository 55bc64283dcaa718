#include "ui/FlatKeyMap.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <unordered_map>
#include <utility>

namespace {

struct Entry {
    std::string key;
};

struct KeyOfEntry {
    std::string_view operator()(const Entry& entry) const { return entry.key; }
};

using Map = ui::FlatKeyMap<Entry, KeyOfEntry>;

// Random steps against std::unordered_map: growth from empty, full tables near the load limit where
// probe runs are long, erase-heavy runs that shift entries back across wrapped-around runs, clears that
// keep the slots, and moves, after which the moved-from map is empty and takes entries again. Every key
// in play is looked up now and then.
TEST(FlatKeyMap, AgreesWithTheStandardMapOnRandomSteps) {
    struct Pattern {
        const char* name;
        int universe, operations, insertShare, clearEvery;
    };
    const Pattern patterns[] = {
        {"growth from empty", 5000, 6000, 90, 0},
        {"balanced churn in a small table", 24, 20000, 50, 0},
        {"erase heavy", 3000, 30000, 35, 0},
        {"churn near the load limit", 700, 40000, 55, 0},
        {"refills after clears", 2000, 20000, 80, 2500},
        {"one key", 1, 1000, 50, 0},
    };
    std::mt19937 random(17);
    for (const Pattern& pattern : patterns) {
        SCOPED_TRACE(pattern.name);
        Map map;
        std::unordered_map<std::string, Entry*> reference;
        std::deque<Entry> entries;
        // Keys of every length up to 20 bytes, the empty one included, for the hash's handling of short keys
        // and of the bytes after the last whole eight.
        const auto keyOf = [](int k) {
            return k == 0 ? std::string() : std::string(k % 13, '\\') + std::to_string(k);
        };
        for (int step = 1; step <= pattern.operations; ++step) {
            const std::string key = keyOf(static_cast<int>(random() % pattern.universe));
            const auto it = reference.find(key);
            if (pattern.clearEvery != 0 && step % pattern.clearEvery == 0) {
                map.clear();
                reference.clear();
            } else if (static_cast<int>(random() % 100) < pattern.insertShare) {
                Entry* entry = &entries.emplace_back(Entry{key});
                ASSERT_EQ(map.insert(entry), it == reference.end()) << key;
                reference.emplace(key, entry);
            } else {
                ASSERT_EQ(map.erase(key), it == reference.end() ? nullptr : it->second) << key;
                ASSERT_EQ(map.erase(key), nullptr) << key;
                reference.erase(key);
            }
            if (step % 997 == 0 || step == pattern.operations) {
                Map moved(std::move(map));
                ASSERT_EQ(map.size(), 0U); // NOLINT(bugprone-use-after-move): a moved-from map stays usable
                map = std::move(moved);
                ASSERT_EQ(map.size(), reference.size());
                for (int k = 0; k < pattern.universe; ++k) {
                    const auto found = reference.find(keyOf(k));
                    ASSERT_EQ(map.find(keyOf(k)), found == reference.end() ? nullptr : found->second) << k;
                }
            }
        }
    }
}

} // namespace
