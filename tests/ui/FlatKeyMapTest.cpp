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

// Every key of the universe is found exactly where the reference has it.
void expectSameAsReference(const Map& map, const std::unordered_map<std::string, Entry*>& reference,
                           int universe) {
    ASSERT_EQ(map.size(), reference.size());
    for (int k = 0; k < universe; ++k) {
        const std::string key = "Scrivlet\\F" + std::to_string(k);
        const auto it = reference.find(key);
        EXPECT_EQ(map.find(key), it == reference.end() ? nullptr : it->second) << key;
    }
}

struct Pattern {
    const char* name;
    int universe;    // distinct keys in play
    int operations;  // random steps
    int insertShare; // percent of steps that insert; the rest erase, with a few finds and clears
    int clearEvery;  // a clear every this many steps, 0 for never
};

// Random steps against std::unordered_map: growth from empty, full tables near the load limit where
// probe runs are long, erase-heavy runs that shift entries back across wrapped-around runs, and clears
// that keep the slots.
TEST(FlatKeyMap, AgreesWithTheStandardMapOnRandomSteps) {
    const Pattern patterns[] = {
        {"growth from empty", 5000, 6000, 90, 0},
        {"balanced churn in a small table", 24, 20000, 50, 0},
        {"erase heavy", 3000, 30000, 35, 0},
        {"churn near the load limit", 700, 40000, 55, 0},
        {"refills after clears", 2000, 20000, 80, 2500},
    };
    std::mt19937 random(17);
    for (const Pattern& pattern : patterns) {
        SCOPED_TRACE(pattern.name);
        Map map;
        std::unordered_map<std::string, Entry*> reference;
        std::deque<Entry> entries;
        std::uniform_int_distribution<int> pick(0, pattern.universe - 1);
        std::uniform_int_distribution<int> percent(0, 99);
        for (int step = 1; step <= pattern.operations; ++step) {
            const std::string key = "Scrivlet\\F" + std::to_string(pick(random));
            if (pattern.clearEvery != 0 && step % pattern.clearEvery == 0) {
                map.clear();
                reference.clear();
            } else if (percent(random) < pattern.insertShare) {
                Entry* entry = &entries.emplace_back(Entry{key});
                const bool fresh = reference.emplace(key, entry).second;
                ASSERT_EQ(map.insert(entry), fresh) << key;
            } else {
                const auto it = reference.find(key);
                Entry* const expected = it == reference.end() ? nullptr : it->second;
                ASSERT_EQ(map.erase(key), expected) << key;
                if (it != reference.end())
                    reference.erase(it);
                ASSERT_EQ(map.erase(key), nullptr) << key;
            }
            if (step % 997 == 0)
                expectSameAsReference(map, reference, pattern.universe);
        }
        expectSameAsReference(map, reference, pattern.universe);
    }
}

TEST(FlatKeyMap, AMoveTakesTheEntriesAndLeavesAnEmptyMap) {
    std::deque<Entry> entries{{"a"}, {"b"}, {""}};
    Map map;
    for (Entry& entry : entries)
        ASSERT_TRUE(map.insert(&entry));
    Map moved(std::move(map));
    EXPECT_EQ(moved.size(), 3U);
    EXPECT_EQ(moved.find(""), &entries[2]);
    EXPECT_EQ(map.size(), 0U); // NOLINT(bugprone-use-after-move): the moved-from map must stay usable
    EXPECT_EQ(map.find("a"), nullptr);
    EXPECT_TRUE(map.insert(&entries[0]));
    EXPECT_EQ(map.find("a"), &entries[0]);
}

} // namespace
