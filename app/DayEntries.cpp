#include "app/DayEntries.h"

#include <utility>

namespace app {

int DayEntries::find(int32_t day) const {
    for (int i = 0; i < EntryCount; ++i)
        if (EntryDay[static_cast<std::size_t>(i)] == day)
            return i;
    return -1;
}

bool DayEntries::append(int32_t day, std::string text) {
    if (full())
        return false;
    const auto at = static_cast<std::size_t>(EntryCount);
    EntryDay[at] = day;
    EntryText[at] = std::move(text);
    ++EntryCount;
    return true;
}

void DayEntries::removeAt(int i) {
    if (i < 0 || i >= EntryCount)
        return;
    for (auto j = static_cast<std::size_t>(i); j + 1 < static_cast<std::size_t>(EntryCount); ++j) {
        EntryDay[j] = EntryDay[j + 1];
        EntryText[j] = std::move(EntryText[j + 1]);
    }
    --EntryCount;
    EntryDay.releaseFrom(static_cast<std::size_t>(EntryCount));
    EntryText.releaseFrom(static_cast<std::size_t>(EntryCount));
}

} // namespace app
