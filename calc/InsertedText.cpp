#include "calc/InsertedText.h"

#include <algorithm>

namespace MODULCalc {

std::size_t InsertedText::chainOf(std::size_t first, std::size_t last) const {
    std::size_t chain = 0;
    for (const auto& each : insertions_)
        if (each.first <= first && last <= each.last)
            chain = std::max(chain, each.chain);
    return chain + 1;
}

void InsertedText::add(std::size_t first, std::size_t count, std::size_t chain) {
    if (count == 0)
        return;
    if (insertions_.size() == Followed)
        insertions_.erase(insertions_.begin());
    insertions_.push_back({first, first + count, chain});
}

void InsertedText::note(std::size_t pos, std::size_t count, std::size_t inserted) {
    const std::size_t end = pos + count;
    for (auto& each : insertions_) {
        if (end <= each.first) {
            each.first = each.first - count + inserted;
            each.last = each.last - count + inserted;
        } else if (pos >= each.last) {
            continue;
        } else if (pos >= each.first && end <= each.last) {
            // Made of inserted characters only, so the new ones are inserted text too.
            each.last = each.last - count + inserted;
        } else if (pos < each.first) {
            // Mixed with text from before it: what remains starts after the new characters.
            each.first = pos + inserted;
            each.last = end >= each.last ? each.first : each.last - count + inserted;
        } else {
            each.last = pos;
        }
    }
    std::erase_if(insertions_, [](const Insertion& each) { return each.first >= each.last; });
}

} // namespace MODULCalc
