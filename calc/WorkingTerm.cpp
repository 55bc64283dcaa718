#include "calc/WorkingTerm.h"

#include "calc/Evaluation.h"
#include "calc/TermText.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace MODULCalc {
namespace {

template <typename Record, std::size_t Capacity>
void addWatched(std::array<Record*, Capacity>& records, std::size_t& count, Record& added) {
    if (count == Capacity)
        throw CalcFault{Fault::Internal};
    records[count++] = &added;
}

template <typename Record, std::size_t Capacity>
void removeWatched(std::array<Record*, Capacity>& records, std::size_t& count, Record& removed) {
    // Records are unwatched in the reverse order they were watched in, so the search starts at the end.
    for (std::size_t index = count; index-- > 0;)
        if (records[index] == &removed) {
            records[index] = records[--count];
            return;
        }
}

} // namespace

WorkingTerm::WorkingTerm(std::string initial) : text_(std::move(initial)) {
    // A count per byte value has no branch per character, where counting by kind would mispredict on
    // nearly every operator.
    std::array<std::size_t, 256> bytes{};
    const auto [head, tail] = text_.pieces(0, text_.size());
    for (const auto piece : {head, tail})
        for (const char c : piece)
            ++bytes[static_cast<unsigned char>(c)];
    for (std::size_t kind = 0; kind < Counted.size(); ++kind)
        counts_[kind] = bytes[static_cast<unsigned char>(Counted[kind])];
    // Without relational characters there are no pairs of them.
    if (relationalCount(*this) > 0)
        pairCount_ = pairsIn(0, text_.size());
}

void WorkingTerm::replace(std::size_t pos, std::size_t count, std::string_view with) {
    // Pairs that start one character before the replaced text up to its last character change with it;
    // without relational characters there are none.
    const std::size_t first = pos > 0 ? pos - 1 : 0;
    if (relationalCount(*this) > 0)
        pairCount_ -= pairsIn(first, pos + count);
    countIn(pos, count, -1);
    for (const char c : with)
        if (const CharacterKind kind = KindOf[static_cast<unsigned char>(c)]; kind != Other)
            ++counts_[kind];
    replaceText(pos, count, with);
    if (relationalCount(*this) > 0)
        pairCount_ += pairsIn(first, pos + with.size());
}

void WorkingTerm::replaceNumbers(std::size_t pos, std::size_t count, std::string_view with,
                                 CharacterKind removed) {
    assert(kindsIn(with) == 0 && std::all_of(with.begin(), with.end(), isNumberChar));
    assert(std::ranges::count_if(substr(pos, count), [](char c) { return !isNumberChar(c); }) ==
           (removed == Close ? 2 : 1));
    --counts_[removed];
    replaceText(pos, count, with);
    // An empty pair taken out joins the characters on either side, which may make a relation ("<()>").
    if (with.empty() && pos > 0 && relationalCount(*this) > 0)
        pairCount_ += isTwoCharacterRelation(at(static_cast<std::ptrdiff_t>(pos) - 1),
                                             at(static_cast<std::ptrdiff_t>(pos)))
                          ? 1
                          : 0;
}

void WorkingTerm::replaceText(std::size_t pos, std::size_t count, std::string_view with) {
    ++replacements_;
    const std::size_t oldSize = text_.size();
    if (knowsRuns_) {
        for (auto& run : known_)
            run.note(pos, count, with.size());
        knowsRuns_ = std::any_of(known_.begin(), known_.end(), [](const KnownRun& run) { return run.valid; });
    }
    for (std::size_t index = 0; index < extentCount_; ++index)
        extents_[index]->note(pos, count, oldSize);
    for (std::size_t index = 0; index < markCount_; ++index)
        marks_[index]->note(pos, count, with.size());
    for (std::size_t index = 0; index < changedCount_; ++index)
        changed_[index]->note(pos, count, with.size());
    text_.replace(pos, count, with);
}

void WorkingTerm::countIn(std::size_t pos, std::size_t count, int sign) {
    const auto [first, second] = text_.pieces(pos, count);
    const auto step = static_cast<std::size_t>(sign);
    // Most characters are digits, which are not counted; passing over them keeps the counts' updates out
    // of one long chain.
    for (const auto piece : {first, second})
        for (const char c : piece)
            if (const CharacterKind kind = KindOf[static_cast<unsigned char>(c)]; kind != Other)
                counts_[kind] += step;
}

std::size_t WorkingTerm::pairsIn(std::size_t first, std::size_t last) const {
    // The pairs that start from first up to last.
    const std::size_t end = std::min(last + 2, text_.size());
    if (end < first + 2)
        return 0;
    const auto [head, tail] = text_.pieces(first, end - first);
    std::size_t pairs = 0;
    char previous = '\0';
    for (const auto piece : {head, tail})
        for (const char c : piece) {
            pairs += isTwoCharacterRelation(previous, c) ? 1 : 0;
            previous = c;
        }
    return pairs;
}

void WorkingTerm::KnownRun::note(std::size_t pos, std::size_t count, std::size_t inserted) {
    if (!valid || pos > last)
        return;
    if (pos == last) {
        endsRun = false;
        return;
    }
    if (pos + count <= first) {
        startsRun = startsRun && pos + count < first;
        first = first - count + inserted;
        last = last - count + inserted;
        return;
    }
    // Replaced inside: what is left after the replacement, or else before it.
    if (pos + count < last) {
        first = pos + inserted;
        last = last - count + inserted;
        startsRun = false;
    } else if (pos > first) {
        last = pos;
        endsRun = false;
    } else {
        valid = false;
    }
}

void WorkingTerm::learnLong(std::size_t from, std::size_t to, bool start, bool end) const {
    KnownRun* shortest = &known_[0];
    for (auto& run : known_) {
        if (run.valid && run.first <= to && from <= run.last) {
            run.startsRun =
                from < run.first ? start : (from == run.first ? start || run.startsRun : run.startsRun);
            run.endsRun = to > run.last ? end : (to == run.last ? end || run.endsRun : run.endsRun);
            run.first = std::min(run.first, from);
            run.last = std::max(run.last, to);
            return;
        }
        if (run.length() < shortest->length())
            shortest = &run;
    }
    *shortest = {from, to, start, end, true};
    knowsRuns_ = true;
}

std::size_t WorkingTerm::walkRunStart(std::size_t pos) const {
    std::size_t start = pos;
    for (;;) {
        const auto run = std::find_if(known_.begin(), known_.end(), [&](const KnownRun& each) {
            return start > each.first && each.holds(start);
        });
        if (run != known_.end()) {
            start = run->first;
            if (run->startsRun)
                break;
        }
        if (start == 0 || !isNumberChar(text_.at(static_cast<std::ptrdiff_t>(start) - 1)))
            break;
        --start;
    }
    learn(start, pos, true, false);
    return start;
}

std::size_t WorkingTerm::walkRunEnd(std::size_t pos) const {
    std::size_t end = pos;
    for (;;) {
        const auto run = std::find_if(known_.begin(), known_.end(), [&](const KnownRun& each) {
            return end < each.last && each.holds(end);
        });
        if (run != known_.end()) {
            end = run->last;
            if (run->endsRun)
                break;
        }
        if (end >= text_.size() || !isNumberChar(text_.at(static_cast<std::ptrdiff_t>(end))))
            break;
        ++end;
    }
    learn(pos, end, false, true);
    return end;
}

std::size_t WorkingTerm::findNear(std::string_view needle, std::size_t from, std::size_t end) const {
    // The occurrences that start before end, read in one copy; only the copied characters are read, so
    // the buffer is left uninitialised.
    std::array<char, NearLength + 8> near; // NOLINT(cppcoreguidelines-pro-type-member-init)
    const std::size_t count = std::min(end - 1 + needle.size(), text_.size()) - from;
    text_.copyTo(from, count, near.data());
    const std::size_t rest = needle.size() - 1;
    for (std::size_t at = 0; at < end - from && at + rest < count; ++at)
        if (near[at] == needle.front() && std::memcmp(near.data() + at + 1, needle.data() + 1, rest) == 0)
            return from + at;
    return std::string::npos;
}

std::size_t WorkingTerm::searchThrough(char c, std::size_t from, std::size_t end) const {
    const std::size_t found = text_.find(c, from, end);
    searched_ += (found == std::string::npos ? end : found) - from;
    return found;
}

std::size_t WorkingTerm::find(char c, std::size_t from, std::size_t limit) const {
    const std::size_t end = std::min(limit, text_.size());
    if (from >= end)
        return std::string::npos;
    if (end - from <= NearLength)
        return text_.find(c, from, end);
    const bool overKnownRuns =
        knowsRuns_ && std::any_of(known_.begin(), known_.end(), [&](const KnownRun& run) {
            return run.valid && run.first < end && run.last > from;
        });
    if (!overKnownRuns || isNumberChar(c))
        return searchThrough(c, from, end);
    while (from < end) {
        std::size_t stretch = end;
        for (const auto& run : known_)
            if (run.holds(from) && from < run.last)
                from = run.last;
            else if (run.valid && run.first > from)
                stretch = std::min(stretch, run.first);
        if (from >= stretch) {
            // A run started where the previous one ended.
            continue;
        }
        const std::size_t found = searchThrough(c, from, stretch);
        if (found != std::string::npos || stretch == end)
            return found;
        from = stretch;
    }
    return std::string::npos;
}

std::size_t WorkingTerm::find(std::string_view needle, std::size_t from, std::size_t limit) const {
    const std::size_t end = std::min(limit, text_.size());
    if (from >= end)
        return std::string::npos;
    if (end - from <= TinyLength) {
        // Most looks next to a change read a few characters only, where a copy costs more than reading
        // them one by one.
        for (std::size_t pos = from; pos < end; ++pos) {
            std::size_t matched = 0;
            while (matched < needle.size() &&
                   at(static_cast<std::ptrdiff_t>(pos + matched)) == needle[matched])
                ++matched;
            if (matched == needle.size())
                return pos;
        }
        return std::string::npos;
    }
    if (end - from <= NearLength && needle.size() <= 8)
        return findNear(needle, from, end);
    for (std::size_t pos = find(needle.front(), from, limit); pos != std::string::npos;
         pos = find(needle.front(), pos + 1, limit)) {
        std::size_t matched = 1;
        while (matched < needle.size() && at(static_cast<std::ptrdiff_t>(pos + matched)) == needle[matched])
            ++matched;
        if (matched == needle.size())
            return pos;
    }
    return std::string::npos;
}

void ChangedSpans::noteAnywhere(std::size_t pos, std::size_t count, std::size_t inserted) {
    const std::size_t end = pos + count;
    // The spans before the replaced text stay; those touching or overlapping it become one span with it;
    // those after it move with it.
    std::size_t first = 0;
    while (first < used_ && spans_[first].last < pos)
        ++first;
    Span joined{pos, pos + inserted};
    std::size_t after = first;
    for (; after < used_ && spans_[after].first <= end; ++after) {
        joined.first = std::min(joined.first, spans_[after].first);
        if (spans_[after].last > end)
            joined.last = std::max(joined.last, spans_[after].last - count + inserted);
    }
    const std::size_t kept = used_ - (after - first) + 1;
    const auto from = spans_.begin() + static_cast<std::ptrdiff_t>(after);
    const auto to = spans_.begin() + static_cast<std::ptrdiff_t>(used_);
    if (after == first)
        std::copy_backward(from, to, to + 1);
    else
        std::copy(from, to, spans_.begin() + static_cast<std::ptrdiff_t>(first) + 1);
    spans_[first] = joined;
    for (std::size_t index = first + 1; index < kept; ++index) {
        spans_[index].first = spans_[index].first - count + inserted;
        spans_[index].last = spans_[index].last - count + inserted;
    }
    used_ = kept;
    if (used_ <= Capacity)
        return;
    // Too many: the two closest become one with what lies between them.
    std::size_t closest = 0;
    for (std::size_t index = 1; index + 1 < used_; ++index)
        if (spans_[index + 1].first - spans_[index].last < spans_[closest + 1].first - spans_[closest].last)
            closest = index;
    spans_[closest].last = spans_[closest + 1].last;
    std::copy(spans_.begin() + static_cast<std::ptrdiff_t>(closest) + 2,
              spans_.begin() + static_cast<std::ptrdiff_t>(used_),
              spans_.begin() + static_cast<std::ptrdiff_t>(closest) + 1);
    --used_;
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
