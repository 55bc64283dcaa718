#include "calc/WorkingTerm.h"

#include "calc/Evaluation.h"
#include "calc/TermText.h"

#include <algorithm>

namespace MODULCalc {
namespace {

bool isTwoCharacterRelation(char first, char second) {
    return (first == '>' && second == '=') || (first == '=' && (second == '>' || second == '<')) ||
           (first == '<' && (second == '=' || second == '>'));
}

template <typename Record, std::size_t Capacity>
void addWatched(std::array<Record*, Capacity>& records, std::size_t& count, Record& added) {
    if (count == Capacity)
        throw CalcFault{Fault::Internal};
    records[count++] = &added;
}

template <typename Record, std::size_t Capacity>
void removeWatched(std::array<Record*, Capacity>& records, std::size_t& count, Record& removed) {
    const auto end = records.begin() + static_cast<std::ptrdiff_t>(count);
    const auto found = std::find(records.begin(), end, &removed);
    if (found != end)
        *found = records[--count];
}

} // namespace

WorkingTerm::WorkingTerm(std::string initial) : text_(std::move(initial)) {
    countIn(0, text_.size(), 1);
}

WorkingTerm::Kind WorkingTerm::kindOf(char c) {
    switch (c) {
    case '^':
        return Power;
    case '*':
        return Times;
    case '/':
        return Divide;
    case '#':
        return Remainder;
    case '+':
        return Plus;
    case ')':
        return Close;
    case '=':
    case '<':
    case '>':
    case '|':
        return Relational;
    case 'd':
    case 'o':
    case 'v':
        return KeywordLetter;
    default:
        return Other;
    }
}

void WorkingTerm::replace(std::size_t pos, std::size_t count, std::string_view with) {
    const std::size_t oldSize = text_.size();
    for (std::size_t index = 0; index < extentCount_; ++index)
        extents_[index]->note(pos, count, oldSize);
    for (std::size_t index = 0; index < markCount_; ++index)
        marks_[index]->note(pos, count, with.size());
    for (std::size_t index = 0; index < changedCount_; ++index)
        changed_[index]->note(pos, count, with.size());
    slotted_.note(pos, count, with.size());
    // Pairs that start one character before the replaced text up to its last character change with it.
    const std::size_t first = pos > 0 ? pos - 1 : 0;
    if (pairsCounted_)
        pairCount_ -= pairsIn(first, pos + count);
    countIn(pos, count, -1);
    text_.replace(pos, count, with);
    countIn(pos, with.size(), 1);
    if (pairsCounted_)
        pairCount_ += pairsIn(first, pos + with.size());
    if (counts_[Relational] == 0) {
        pairsCounted_ = false;
        pairCount_ = 0;
    }
}

void WorkingTerm::countIn(std::size_t pos, std::size_t count, int sign) {
    static const auto Kinds = [] {
        std::array<Kind, 256> table{};
        for (std::size_t byte = 0; byte < table.size(); ++byte)
            table[byte] = kindOf(static_cast<char>(byte));
        return table;
    }();
    const auto [first, second] = text_.pieces(pos, count);
    for (const auto piece : {first, second}) {
        for (const char c : piece) {
            auto& counted = counts_[Kinds[static_cast<unsigned char>(c)]];
            counted = sign > 0 ? counted + 1 : counted - 1;
        }
    }
}

std::size_t WorkingTerm::pairsIn(std::size_t first, std::size_t last) const {
    std::size_t pairs = 0;
    for (std::size_t pos = first; pos <= last && pos + 1 < text_.size(); ++pos) {
        const auto at = static_cast<std::ptrdiff_t>(pos);
        pairs += isTwoCharacterRelation(text_.at(at), text_.at(at + 1)) ? 1 : 0;
    }
    return pairs;
}

std::size_t WorkingTerm::twoCharacterRelations() {
    if (!pairsCounted_ && counts_[Relational] > 0) {
        pairCount_ = pairsIn(0, text_.size());
        pairsCounted_ = true;
    }
    return pairCount_;
}

void ChangedSpans::note(std::size_t pos, std::size_t count, std::size_t inserted) {
    if (everything_)
        return;
    const std::size_t end = pos + count;
    Span joined{pos, pos + inserted};
    std::array<Span, Capacity + 1> next{};
    std::size_t kept = 0;
    bool placed = false;
    for (std::size_t index = 0; index < used_; ++index) {
        const Span each = spans_[index];
        if (each.last < pos) {
            next[kept++] = each;
        } else if (each.first > end) {
            if (!placed) {
                next[kept++] = joined;
                placed = true;
            }
            next[kept++] = {each.first - count + inserted, each.last - count + inserted};
        } else {
            // Touching or overlapping the replaced text: one span with it.
            joined.first = std::min(joined.first, each.first);
            joined.last = std::max(joined.last, each.last > end ? each.last - count + inserted : joined.last);
        }
    }
    if (!placed)
        next[kept++] = joined;
    if (kept > Capacity) {
        std::size_t closest = 0;
        for (std::size_t index = 1; index + 1 < kept; ++index)
            if (next[index + 1].first - next[index].last < next[closest + 1].first - next[closest].last)
                closest = index;
        next[closest].last = next[closest + 1].last;
        std::copy(next.begin() + static_cast<std::ptrdiff_t>(closest) + 2,
                  next.begin() + static_cast<std::ptrdiff_t>(kept),
                  next.begin() + static_cast<std::ptrdiff_t>(closest) + 1);
        --kept;
    }
    std::copy(next.begin(), next.begin() + static_cast<std::ptrdiff_t>(kept), spans_.begin());
    used_ = kept;
}

std::size_t lookAgainFrom(const WorkingTerm& term, const Unchanged& since, std::size_t margin) {
    return lookAgainFrom(term, ChangedSpans::Span{since.prefix, since.prefix}, margin);
}

std::size_t lookAgainFrom(const WorkingTerm& term, const ChangedSpans::Span& changed, std::size_t margin) {
    const std::size_t first = changed.first;
    std::size_t pos = first;
    while (pos > 0 && isNumberChar(term.at(static_cast<std::ptrdiff_t>(pos) - 1)))
        --pos;
    // pos is now just after the character that ends the run; that character may be an operator itself.
    pos = pos > 0 ? pos - 1 : 0;
    const std::size_t margined = first > margin ? first - margin : 0;
    return std::min(pos, margined);
}

std::size_t unchangedOperatorsAfter(const WorkingTerm& term, const Unchanged& since, std::size_t floor) {
    const std::size_t end = since.suffixStart(term.size());
    return unchangedOperatorsAfter(term, ChangedSpans::Span{end, end}, floor);
}

std::size_t unchangedOperatorsAfter(const WorkingTerm& term, const ChangedSpans::Span& changed,
                                    std::size_t floor) {
    if (changed.last >= term.size())
        return std::string::npos;
    std::size_t pos = std::max(changed.last, floor);
    while (pos < term.size() && isNumberChar(term.at(static_cast<std::ptrdiff_t>(pos))))
        ++pos;
    return pos < term.size() ? pos : std::string::npos;
}

void WorkingTerm::watch(Unchanged& extent) {
    addWatched(extents_, extentCount_, extent);
}

void WorkingTerm::watch(Mark& position) {
    addWatched(marks_, markCount_, position);
}

void WorkingTerm::watch(ChangedSpans& changes) {
    addWatched(changed_, changedCount_, changes);
}

void WorkingTerm::unwatch(ChangedSpans& changes) {
    removeWatched(changed_, changedCount_, changes);
}

void WorkingTerm::unwatch(Unchanged& extent) {
    removeWatched(extents_, extentCount_, extent);
}

void WorkingTerm::unwatch(Mark& position) {
    removeWatched(marks_, markCount_, position);
}

} // namespace MODULCalc
