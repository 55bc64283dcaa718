// The key index of the tree, the lists and the folder keys (ui::FlatKeyMap) beside the library's hash set
// used the same way, as the controls use them: a refill that checks each key is free before adding it,
// lookups by key, and a subtree's keys removed and added again, at a small table and at the largest the
// program allows. Folder keys are paths; list keys are "x" and a number. The index stays hand-written
// while the library is slower here; this is the measure to repeat when the library changes.
#include "ui/FlatKeyMap.h"

#include <absl/container/flat_hash_set.h>
#include <absl/hash/hash.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

struct Entry {
    std::string key;
};

struct KeyOfEntry {
    std::string_view operator()(const Entry& entry) const { return entry.key; }
};

using HandWritten = ui::FlatKeyMap<Entry, KeyOfEntry>;

// The library's set of entry pointers with FlatKeyMap's interface, searched by a string_view through a
// transparent hash and equality. Its clear keeps the capacity, as FlatKeyMap's does: the library's own
// gives the memory back, and every refill would grow the table again.
class Library {
public:
    Entry* find(std::string_view key) const {
        const auto it = entries_.find(key);
        return it == entries_.end() ? nullptr : *it;
    }
    bool insert(Entry* entry) { return entries_.insert(entry).second; }
    Entry* erase(std::string_view key) {
        const auto it = entries_.find(key);
        if (it == entries_.end())
            return nullptr;
        Entry* const removed = *it;
        entries_.erase(it);
        return removed;
    }
    void clear() {
        const std::size_t kept = entries_.size();
        entries_.clear();
        entries_.reserve(kept);
    }
    std::size_t size() const { return entries_.size(); }

private:
    static std::string_view keyOf(std::string_view key) { return key; }
    static std::string_view keyOf(const Entry* entry) { return entry->key; }
    struct Hash {
        using is_transparent = void;
        template <typename K> std::size_t operator()(const K& key) const {
            return absl::Hash<std::string_view>()(keyOf(key));
        }
    };
    struct Equal {
        using is_transparent = void;
        template <typename A, typename B> bool operator()(const A& a, const B& b) const {
            return keyOf(a) == keyOf(b);
        }
    };
    absl::flat_hash_set<Entry*, Hash, Equal> entries_;
};

enum Shape { FolderPaths, ListKeys };

// Keys of a tree of folders as users make them: a parent's key, "\" and a name, a few levels deep.
std::deque<Entry> makeEntries(Shape shape, int count) {
    std::deque<Entry> entries;
    if (shape == ListKeys) {
        for (int k = 0; k < count; ++k)
            entries.push_back({std::string("x").append(std::to_string(k))});
        return entries;
    }
    std::mt19937 random(7);
    std::vector<std::string> parents{"Scrivlet"};
    for (int k = 0; k < count; ++k) {
        const std::string& parent = parents[random() % parents.size()];
        std::string key = std::string(parent).append("\\Folder ").append(std::to_string(k));
        if (std::count(key.begin(), key.end(), '\\') < 6)
            parents.push_back(key);
        entries.push_back({std::move(key)});
    }
    return entries;
}

// Adds the way the controls do: the key is looked up first, and only a free key is added.
void add(HandWritten& index, Entry& entry) {
    const std::size_t hash = HandWritten::hashOf(entry.key);
    if (index.find(entry.key, hash) == nullptr)
        index.insert(&entry, hash);
}

void add(Library& index, Entry& entry) {
    if (index.find(entry.key) == nullptr)
        index.insert(&entry);
}

template <typename Index> void addAll(Index& index, std::deque<Entry>& entries) {
    for (Entry& entry : entries)
        add(index, entry);
}

template <typename Index> void refill(benchmark::State& state, Shape shape) {
    std::deque<Entry> entries = makeEntries(shape, static_cast<int>(state.range(0)));
    Index index;
    for (auto _ : state) {
        index.clear();
        addAll(index, entries);
        benchmark::DoNotOptimize(index.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

template <typename Index> void findAll(benchmark::State& state, Shape shape) {
    std::deque<Entry> entries = makeEntries(shape, static_cast<int>(state.range(0)));
    Index index;
    addAll(index, entries);
    std::vector<std::string> keys;
    for (const Entry& entry : entries)
        keys.push_back(entry.key);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(3));
    for (auto _ : state)
        for (const std::string& key : keys)
            benchmark::DoNotOptimize(index.find(key));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A quarter of the keys, one subtree's worth, leaves and comes back: a folder moved and moved back.
template <typename Index> void moveBack(benchmark::State& state, Shape shape) {
    std::deque<Entry> entries = makeEntries(shape, static_cast<int>(state.range(0)));
    Index index;
    addAll(index, entries);
    const std::size_t moved = entries.size() / 4;
    for (auto _ : state) {
        for (std::size_t k = 0; k < moved; ++k)
            benchmark::DoNotOptimize(index.erase(entries[k].key));
        for (std::size_t k = 0; k < moved; ++k)
            add(index, entries[k]);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(moved) * 2);
}

// The machine may be shared: the fastest of the repetitions is the one least disturbed.
void sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1024)
        ->Arg(32767)
        ->Unit(benchmark::kMicrosecond)
        ->ComputeStatistics(
            "min",
            [](const std::vector<double>& runs) { return *std::min_element(runs.begin(), runs.end()); });
}

// Each measure for each index, side by side, for both kinds of key (the folder index uses paths only).
const bool Registered = [] {
    for (const auto& [shape, keys] : {std::pair{FolderPaths, "folders"}, std::pair{ListKeys, "list"}}) {
        const auto sideBySide = [&](const std::string& measure, auto handwritten, auto library) {
            const std::string suffix = std::string("/") + keys;
            benchmark::RegisterBenchmark((measure + "/handwritten" + suffix).c_str(), handwritten, shape)
                ->Apply(sizes);
            benchmark::RegisterBenchmark((measure + "/library" + suffix).c_str(), library, shape)
                ->Apply(sizes);
        };
        sideBySide("refill", refill<HandWritten>, refill<Library>);
        sideBySide("find", findAll<HandWritten>, findAll<Library>);
        sideBySide("moveBack", moveBack<HandWritten>, moveBack<Library>);
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
