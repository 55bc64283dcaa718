#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

// A hash index from string keys to entries that hold their own key (KeyOf(entry) gives it), so the
// index stores only a pointer and the hash per entry: no node and no copy of the key per insertion,
// which is what made large tree and list refills slow. Open addressing with linear probing; erasing
// shifts later entries back instead of leaving tombstones, so long runs of insertions and erasures
// (a subtree moved back and forth) never degrade the probes. An entry's key must not change while it
// is in the index. Pointers to entries are never touched; only the slots move.
template <typename T, typename KeyOf> class FlatKeyMap {
public:
    FlatKeyMap() = default;
    FlatKeyMap(const FlatKeyMap&) = default;
    FlatKeyMap& operator=(const FlatKeyMap&) = default;
    FlatKeyMap(FlatKeyMap&& other) noexcept
        : slots_(std::move(other.slots_)), size_(std::exchange(other.size_, 0)) {}
    FlatKeyMap& operator=(FlatKeyMap&& other) noexcept {
        slots_ = std::move(other.slots_);
        size_ = std::exchange(other.size_, 0);
        return *this;
    }

    // Eight bytes a step, with a multiply and a shift mixing each word into all bits, so that keys
    // differing only in a trailing number still spread over the low bits the slots are chosen by.
    static std::size_t hashOf(std::string_view key) {
        constexpr std::uint64_t Multiplier = 0x9E3779B97F4A7C15ULL;
        std::uint64_t hash = key.size() * Multiplier;
        const char* at = key.data();
        std::size_t left = key.size();
        const auto mix = [&hash](std::uint64_t word) {
            hash = (hash ^ word) * Multiplier;
            hash ^= hash >> 32;
        };
        for (; left >= 8; at += 8, left -= 8)
            mix(wordAt(at));
        if (left > 0) {
            // The last bytes as the tail of a word ending with the key; a short key takes them one by one.
            std::uint64_t word = 0;
            if (key.size() >= 8)
                word = wordAt(key.data() + key.size() - 8) >> (8 * (8 - left));
            else
                for (std::size_t k = 0; k < left; ++k)
                    word |= static_cast<std::uint64_t>(static_cast<unsigned char>(at[k])) << (8 * k);
            mix(word);
        }
        hash *= 0xBF58476D1CE4E5B9ULL;
        return static_cast<std::size_t>(hash ^ (hash >> 29));
    }

    T* find(std::string_view key) const { return find(key, hashOf(key)); }

    T* find(std::string_view key, std::size_t hash) const {
        if (size_ == 0)
            return nullptr;
        const std::size_t at = slotOf(key, hash);
        return slots_[at].entry;
    }

    // Adds `entry` under its key; false, changing nothing, when the key is in use.
    bool insert(T* entry) { return insert(entry, hashOf(KeyOf()(*entry))); }

    bool insert(T* entry, std::size_t hash) {
        if ((size_ + 1) * 4 > slots_.size() * 3)
            grow();
        const std::size_t at = slotOf(KeyOf()(*entry), hash);
        if (slots_[at].entry != nullptr)
            return false;
        slots_[at] = Slot{entry, hash};
        ++size_;
        return true;
    }

    // Removes the entry keyed `key` and returns it, or nullptr when there is none.
    T* erase(std::string_view key) { return erase(key, hashOf(key)); }

    T* erase(std::string_view key, std::size_t hash) {
        if (size_ == 0)
            return nullptr;
        std::size_t hole = slotOf(key, hash);
        T* const removed = slots_[hole].entry;
        if (removed == nullptr)
            return nullptr;
        const std::size_t mask = slots_.size() - 1;
        // An entry further on may move into the hole when the hole lies between its home slot and it.
        for (std::size_t next = (hole + 1) & mask; slots_[next].entry != nullptr; next = (next + 1) & mask) {
            const std::size_t home = slots_[next].hash & mask;
            if (((next - home) & mask) >= ((next - hole) & mask)) {
                slots_[hole] = slots_[next];
                hole = next;
            }
        }
        slots_[hole] = Slot{};
        --size_;
        return removed;
    }

    // Keeps the slots, so that refilling to the same size does not grow again.
    void clear() {
        if (size_ == 0)
            return;
        std::fill(slots_.begin(), slots_.end(), Slot{});
        size_ = 0;
    }

    std::size_t size() const { return size_; }

private:
    static std::uint64_t wordAt(const char* at) {
        std::uint64_t word = 0;
        std::memcpy(&word, at, sizeof word);
        return word;
    }

    struct Slot {
        T* entry = nullptr;
        std::size_t hash = 0;
    };

    // The slot holding `key`, or the empty slot where it would go.
    std::size_t slotOf(std::string_view key, std::size_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot& slot = slots_[at];
            if (slot.entry == nullptr || (slot.hash == hash && KeyOf()(*slot.entry) == key))
                return at;
        }
    }

    void grow() {
        std::vector<Slot> old(slots_.empty() ? 16 : slots_.size() * 2);
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.entry == nullptr)
                continue;
            std::size_t at = slot.hash & mask;
            while (slots_[at].entry != nullptr)
                at = (at + 1) & mask;
            slots_[at] = slot;
        }
    }

    std::vector<Slot> slots_;
    std::size_t size_ = 0;
};

} // namespace ui
