#pragma once

#include "app/frmMain.h"
#include "dates/MODULDaywise.h"

#include <cstdint>
#include <string>

// The tables the benchmarks start from, filled untimed through the same operations the program uses.
namespace bench {

// About size bytes of prose, in lines of 63 characters as it is typed.
std::string proseOf(std::size_t size);

// The folder Scrivlet\Work holding count items, "Item 0" on, each with a short text.
void addWorkFolder(app::frmMain& form, int count);

// Count day entries, one a day from 1920-01-01 on, the i-th with the text text(i).
template <typename Text> void addDays(app::frmMain& form, int count, Text text) {
    app::DayEntries& entries = form.scheduler().list().entries();
    const std::int32_t first = MODULDaywise::DateToDay("1920-01-01");
    for (int i = 0; i < count; ++i)
        entries.append(first + i, text(i));
}

} // namespace bench
