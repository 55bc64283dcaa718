#pragma once

#include "calc/SplitText.h"
#include "calc/TermText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace MODULCalc {

// The part of a text that is known to be unchanged since some moment: its first prefix and its last
// suffix characters. Everything between them may have changed. Both only shrink as replacements happen.
struct Unchanged {
    std::size_t prefix = 0;
    std::size_t suffix = 0;

    static Unchanged whole(std::size_t size) { return {size, size}; }
    // The first position of the unchanged end, in a text of size characters.
    std::size_t suffixStart(std::size_t size) const { return size - suffix; }
    void note(std::size_t pos, std::size_t count, std::size_t oldSize) {
        prefix = prefix < pos ? prefix : pos;
        const std::size_t after = oldSize - pos - count;
        suffix = suffix < after ? suffix : after;
    }
};

// The parts of a text changed since some moment, as a few separate spans in the text's present positions:
// a Term that changes at both ends in one pass, while a long run in the middle waits its turn, then costs
// a look at both ends only. Where the spans would be too many, the two closest are joined with what lies
// between them. At first the whole text counts as changed.
class ChangedSpans {
public:
    // The characters from first up to last (exclusive); a span with none marks where text was removed.
    struct Span {
        std::size_t first;
        std::size_t last;
    };

    // The most spans kept.
    static constexpr std::size_t Capacity = 6;

    static ChangedSpans nothing() {
        ChangedSpans result;
        result.everything_ = false;
        return result;
    }
    // The spans in order, in a text of size characters.
    std::size_t count() const { return everything_ ? 1 : used_; }
    Span at(std::size_t index, std::size_t size) const { return everything_ ? Span{0, size} : spans_[index]; }
    void note(std::size_t pos, std::size_t count, std::size_t inserted) {
        if (everything_)
            return;
        // A look goes from left to right, so most replacements come after every span or touch the last one.
        if (used_ == 0) {
            spans_[used_++] = {pos, pos + inserted};
            return;
        }
        Span& last = spans_[used_ - 1];
        if (last.last < pos) {
            if (used_ < Capacity) {
                spans_[used_++] = {pos, pos + inserted};
                return;
            }
        } else {
            const std::size_t end = pos + count;
            if (last.first <= end && (used_ == 1 || spans_[used_ - 2].last < pos)) {
                last.first = std::min(last.first, pos);
                last.last =
                    last.last > end ? std::max(pos + inserted, last.last - count + inserted) : pos + inserted;
                return;
            }
        }
        noteAnywhere(pos, count, inserted);
    }

private:
    void noteAnywhere(std::size_t pos, std::size_t count, std::size_t inserted);

    bool everything_ = true;
    // One more than it keeps, for the moment a replacement adds one too many.
    std::array<Span, Capacity + 1> spans_{};
    std::size_t used_ = 0;
};

// A position in the text that moves with replacements before it; a replacement over it loses it.
struct Mark {
    static constexpr std::size_t None = static_cast<std::size_t>(-1);
    std::size_t pos = None;
    bool lost = false;

    void set(std::size_t at) {
        pos = at;
        lost = false;
    }
    bool known() const { return pos != None; }
    void note(std::size_t at, std::size_t count, std::size_t inserted) {
        if (pos == None || pos < at)
            return;
        if (pos >= at + count) {
            pos = pos - count + inserted;
        } else {
            pos = at;
            lost = true;
        }
    }
};

// The working term of a long Term, and of any Term once it calls var. Every stage of a pass looks again
// only where the text changed since its own previous look: a Term that reduces by one small step per pass
// then costs each pass the size of that step, not the length of the Term. To that end every replacement
// is reported to the stages' records (Unchanged extents and Marks) that are watching.
class WorkingTerm {
public:
    explicit WorkingTerm(std::string text);

    std::size_t size() const { return text_.size(); }
    char at(std::ptrdiff_t pos) const { return text_.at(pos); }
    // Occurrences that start before limit. A search for a character that is no number character passes
    // over the runs of number characters known from earlier looks without reading them.
    std::size_t find(char c, std::size_t from, std::size_t limit = std::string::npos) const;
    std::size_t find(std::string_view needle, std::size_t from, std::size_t limit = std::string::npos) const;
    std::string substr(std::size_t pos, std::size_t count) const { return text_.substr(pos, count); }
    // Text that stays as it is until the next replacement, whatever else is read meanwhile: a copy, as
    // reading may move the gaps.
    std::string stableText(std::size_t pos, std::size_t count) const { return substr(pos, count); }
    // Without copying; valid until the next replacement.
    std::string_view view(std::size_t pos, std::size_t count) { return text_.view(pos, count); }
    std::pair<std::string_view, std::string_view> pieces(std::size_t pos, std::size_t count) const {
        return text_.pieces(pos, count);
    }
    std::string release() { return text_.release(); }

    void replace(std::size_t pos, std::size_t count, std::string_view with);
    // Replaces text made of number characters and one counted character of kind removed by number
    // characters only: an operation by its result, a pair of parentheses by its content. The counts follow
    // without reading either text, as no two-character relation can start or end within them; only an
    // empty pair taken out joins two characters that may make one.
    void replaceNumbers(std::size_t pos, std::size_t count, std::string_view with, CharacterKind removed);
    // How many replacements the term has seen, so that a pass can tell whether it changed anything.
    std::size_t replacements() const { return replacements_; }

    static constexpr bool following() { return true; }

    // A record that every later replacement updates, until it is unwatched.
    void watch(Unchanged& extent);
    void watch(Mark& position);
    void watch(ChangedSpans& changes);
    void unwatch(Unchanged& extent);
    void unwatch(ChangedSpans& changes);
    void unwatch(Mark& position);

    // How many characters of a kind the term holds.
    std::size_t count(CharacterKind of) const { return counts_[of]; }
    // Of the two-character relational operators (">=", "=>", "<=", "=<", "<>").
    std::size_t twoCharacterRelations() const { return pairCount_; }

    // Where the run of number characters that ends at pos starts, and where the one that starts at pos
    // ends: pos itself when there is none.
    std::size_t runStart(std::size_t pos) const {
        if (knowsRuns_)
            return walkRunStart(pos);
        const std::size_t start = pos - text_.countBefore(pos, NumberChar{});
        learn(start, pos, true, false);
        return start;
    }
    std::size_t runEnd(std::size_t pos) const {
        if (knowsRuns_)
            return walkRunEnd(pos);
        const std::size_t end = pos + text_.countFrom(pos, NumberChar{});
        learn(pos, end, false, true);
        return end;
    }

    // The characters the searches have read through so far, beyond the short stretches near a change.
    std::size_t searched() const { return searched_; }

private:
    // A stretch of number characters known from an earlier look, and whether it is known to reach the
    // start or the end of its run. Where a pass joins numbers into one growing run ("1()1()" dropping
    // one pair after the other), the runs are walked from the last place known, not from their far end
    // on every pass, which would cost the square of the run's length.
    struct KnownRun {
        std::size_t first = 0;
        std::size_t last = 0;
        bool startsRun = false;
        bool endsRun = false;
        bool valid = false;

        void note(std::size_t pos, std::size_t count, std::size_t inserted);
        bool holds(std::size_t pos) const { return valid && pos >= first && pos <= last; }
        std::size_t length() const { return valid ? last - first : 0; }
    };
    // The few longest runs looked at lately: a pass may walk several, and the short ones cost nothing.
    void learn(std::size_t from, std::size_t to, bool start, bool end) const {
        if (to - from >= LongRun)
            learnLong(from, to, start, end);
    }
    void learnLong(std::size_t from, std::size_t to, bool start, bool end) const;
    // The walks along a run where some runs are known, from the last place known.
    std::size_t walkRunStart(std::size_t pos) const;
    std::size_t walkRunEnd(std::size_t pos) const;
    // The counting loops inline this, where a function pointer would keep them from it.
    struct NumberChar {
        bool operator()(char c) const { return isNumberChar(c); }
    };

    // Searches this short are made in a copy of the text, which costs less than searching its parts.
    static constexpr std::size_t NearLength = 64;
    // Searches this short read the characters one by one, which costs less than copying them.
    static constexpr std::size_t TinyLength = 8;
    std::size_t findNear(std::string_view needle, std::size_t from, std::size_t end) const;
    std::size_t searchThrough(char c, std::size_t from, std::size_t end) const;
    // Runs are learnt once they are this long: shorter ones cost less to walk again than to look up.
    static constexpr std::size_t LongRun = 64;
    std::size_t pairsIn(std::size_t first, std::size_t last) const;
    // Tells the watched records and the known runs of a replacement, and makes it.
    void replaceText(std::size_t pos, std::size_t count, std::string_view with);
    void countIn(std::size_t pos, std::size_t count, int sign);

    SplitText text_;
    std::size_t replacements_ = 0;
    mutable std::array<KnownRun, 4> known_{};
    // Whether any of them is valid, asked on every walk along a run.
    mutable bool knowsRuns_ = false;
    std::array<Unchanged*, 16> extents_{};
    std::size_t extentCount_ = 0;
    std::array<Mark*, 16> marks_{};
    std::size_t markCount_ = 0;
    std::array<ChangedSpans*, 8> changed_{};
    std::size_t changedCount_ = 0;
    std::array<std::size_t, KindCount> counts_{};
    std::size_t pairCount_ = 0;
    mutable std::size_t searched_ = 0;
};

// Where a stage must look again at an operator whose operands are runs of number characters: before
// the run that reaches into the changed text, and at least margin characters before that text, so that
// the checks against either end of the term are covered too.
inline std::size_t lookAgainBefore(std::size_t runStart, std::size_t first, std::size_t margin) {
    // The character before the run ends it; that character may be an operator itself.
    const std::size_t pos = runStart > 0 ? runStart - 1 : 0;
    const std::size_t margined = first > margin ? first - margin : 0;
    return std::min(pos, margined);
}
template <typename Term>
std::size_t lookAgainFrom(const Term& term, const ChangedSpans::Span& changed, std::size_t margin) {
    return lookAgainBefore(term.runStart(changed.first), changed.first, margin);
}
template <typename Term>
std::size_t lookAgainFrom(const Term& term, const Unchanged& since, std::size_t margin) {
    return lookAgainFrom(term, ChangedSpans::Span{since.prefix, since.prefix}, margin);
}

// The first character at or after from, and at least floor characters into the term, that cannot be
// part of an operand; operators after it have their whole operands, and what stands next to them, in the
// unchanged end of the term. Npos when the changed span reaches the end of the term.
template <typename Term>
std::size_t unchangedOperatorsAfter(const Term& term, const ChangedSpans::Span& changed, std::size_t floor) {
    const std::size_t from = std::max(changed.last, floor);
    if (from >= term.size())
        return std::string::npos;
    const std::size_t pos = term.runEnd(from);
    return pos < term.size() ? pos : std::string::npos;
}
// The same after the text changed since some moment: Npos when nothing of the end is known to be
// unchanged.
template <typename Term>
std::size_t unchangedOperatorsAfter(const Term& term, const Unchanged& since, std::size_t floor) {
    const std::size_t end = since.suffixStart(term.size());
    return unchangedOperatorsAfter(term, ChangedSpans::Span{end, end}, floor);
}

// Where the stages of a pass look again around each changed span (lookAgainFrom with a margin of 3) and
// where the unchanged operators after it begin (unchangedOperatorsAfter with a floor of 3): the same for
// every level and operator until one of them replaces something, so each is walked once in between.
template <typename Term> class SpanLooks {
public:
    SpanLooks(const Term& term, const ChangedSpans& since) : term_(term), since_(since) {}
    std::size_t lookAgain(std::size_t span) {
        refresh();
        if (again_[span] == Unknown) {
            const std::size_t first = since_.at(span, term_.size()).first;
            runBefore_[span] = term_.runStart(first);
            again_[span] = lookAgainBefore(runBefore_[span], first, Margin);
        }
        return again_[span];
    }
    std::size_t boundary(std::size_t span) {
        refresh();
        if (boundary_[span] == Unknown) {
            const std::size_t from = runAfterFrom(span);
            runAfter_[span] = from < term_.size() ? term_.runEnd(from) : from;
            boundary_[span] = runAfter_[span] < term_.size() ? runAfter_[span] : std::string::npos;
        }
        return boundary_[span];
    }
    // The first occurrence of needle that starts from from and before limit. Needle starts with a
    // character that is no number character, so none starts within the runs of number characters the
    // span's look walks, before its changed text and after it; where they are long, the search passes
    // over them instead of reading them on every pass.
    std::size_t find(std::string_view needle, std::size_t span, std::size_t from, std::size_t limit) {
        std::size_t found = std::string::npos;
        eachStretch(span, from, limit, [&](std::size_t first, std::size_t last) {
            found = term_.find(needle, first, last);
            return found != std::string::npos;
        });
        return found;
    }

    // Whether an operator may start in the window of some span, from reach characters before where it
    // looks again up to the character after its boundary; startsAt says whether one starts at a position
    // outside the runs of number characters. Where the window is long this answers yes without reading it.
    template <typename StartsAt> bool mayStartNear(std::size_t reach, StartsAt startsAt) {
        for (std::size_t span = 0; span < since_.count(); ++span) {
            const std::size_t again = lookAgain(span);
            const std::size_t bound = boundary(span);
            const std::size_t limit = bound == std::string::npos ? term_.size() : bound + 1;
            const bool starts = eachStretch(span, again > reach ? again - reach : 0, limit,
                                            [&](std::size_t first, std::size_t last) {
                                                if (last - first > ShortWindow)
                                                    return true;
                                                for (std::size_t pos = first; pos < last; ++pos)
                                                    if (startsAt(pos))
                                                        return true;
                                                return false;
                                            });
            if (starts)
                return true;
        }
        return false;
    }

private:
    static constexpr std::size_t Unknown = std::string::npos - 1;
    static constexpr std::size_t Margin = 3;
    // Windows up to this long are read character by character before their searches.
    static constexpr std::size_t ShortWindow = 32;
    // Runs shorter than this cost less to read than to pass over in separate searches.
    static constexpr std::size_t LongRuns = 64;
    // Calls visit with the stretches from from up to limit that lie outside the runs next to the span's
    // changed text, in order, until it says it is done; whether it did.
    template <typename Visit>
    bool eachStretch(std::size_t span, std::size_t from, std::size_t limit, Visit visit) {
        lookAgain(span);
        boundary(span);
        const std::size_t first = since_.at(span, term_.size()).first;
        const std::size_t before = runBefore_[span];
        const std::size_t after = runAfterFrom(span);
        const std::size_t end = runAfter_[span];
        if ((first - before) + (end - after) < LongRuns)
            return from < limit && visit(from, limit);
        for (const auto& [stretchFirst, stretchLast] :
             {std::pair{from, before}, std::pair{first, after}, std::pair{end, limit}}) {
            const std::size_t start = std::max(from, stretchFirst);
            const std::size_t stop = std::min(limit, stretchLast);
            if (start < stop && visit(start, stop))
                return true;
        }
        return false;
    }
    std::size_t runAfterFrom(std::size_t span) const {
        return std::max(since_.at(span, term_.size()).last, Margin);
    }
    void refresh() {
        if (version_ == term_.replacements())
            return;
        version_ = term_.replacements();
        again_.fill(Unknown);
        boundary_.fill(Unknown);
    }

    const Term& term_;
    const ChangedSpans& since_;
    std::size_t version_ = std::string::npos;
    std::array<std::size_t, ChangedSpans::Capacity> again_{};
    std::array<std::size_t, ChangedSpans::Capacity> boundary_{};
    // Where the run of number characters that reaches into each span starts, and where the one after it
    // ends; known once again_ and boundary_ are.
    std::array<std::size_t, ChangedSpans::Capacity> runBefore_{};
    std::array<std::size_t, ChangedSpans::Capacity> runAfter_{};
};

// Unwatches on leaving a scope.
template <typename Term, typename Record> class Watching {
public:
    Watching(Term& term, Record& watched) : term_(term), watched_(watched) { term_.watch(watched_); }
    ~Watching() { term_.unwatch(watched_); }
    Watching(const Watching&) = delete;
    Watching& operator=(const Watching&) = delete;

private:
    Term& term_;
    Record& watched_;
};

} // namespace MODULCalc
