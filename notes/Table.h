#pragma once

#include <cassert>
#include <cstddef>
#include <vector>

namespace notes {

// A table of Slots slots addressed by index, as the notes keep their fields: every slot exists from the
// start and reads as empty until written. Memory is taken only for the slots up to the highest one
// written, so an idle window holds no preallocated tables.
template <typename T> class Table {
public:
    static constexpr std::size_t Slots = 65536;

    const T& operator[](std::size_t i) const {
        assert(i < Slots);
        return i < slots_.size() ? slots_[i] : Empty;
    }

    // Writing access makes the slot real.
    T& operator[](std::size_t i) {
        assert(i < Slots);
        if (i >= slots_.size())
            slots_.resize(i + 1);
        return slots_[i];
    }

    // Slots from `count` on are free; drops their memory.
    void releaseFrom(std::size_t count) {
        if (count < slots_.size())
            slots_.resize(count);
    }

    // How many slots hold memory.
    std::size_t used() const { return slots_.size(); }

private:
    std::vector<T> slots_;
    static inline const T Empty{};
};

} // namespace notes
