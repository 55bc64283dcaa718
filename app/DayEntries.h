#pragma once

#include "notes/Table.h"

#include <cstdint>
#include <string>

namespace app {

// The scheduler's notes: at most one entry per calendar day, kept as parallel tables in the order the
// entries were created. Removing an entry closes the gap, so that order is kept.
//
// The count is 16-bit, so the store holds at most MaxEntries entries. Appending beyond that is refused
// and changes nothing; the date list keeps the editor shut for a new day while the store is full, so
// the refusal can never drop text the user typed.
struct DayEntries {
    static constexpr int16_t MaxEntries = 32767;

    notes::Table<int32_t> EntryDay;
    notes::Table<std::string> EntryText;
    int16_t EntryCount = 0;

    bool full() const { return EntryCount >= MaxEntries; }
    // The index of the entry of `day`, or -1 when the day has none.
    int find(int32_t day) const;
    bool append(int32_t day, std::string text);
    void removeAt(int i);
};

} // namespace app
