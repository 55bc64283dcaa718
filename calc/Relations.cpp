#include "calc/Relations.h"

#include "calc/NumberText.h"
#include "calc/TermText.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace MODULCalc {
namespace {

struct Relation {
    std::string_view op;
    bool (*holds)(double a, double b);
};

constexpr std::array<Relation, 9> Relations{{
    {"=", [](double a, double b) { return a == b; }},
    {"<", [](double a, double b) { return a < b; }},
    {">", [](double a, double b) { return a > b; }},
    {"|", [](double a, double b) { return a != b; }},
    {"<>", [](double a, double b) { return a != b; }},
    {">=", [](double a, double b) { return a >= b; }},
    {"=>", [](double a, double b) { return a >= b; }},
    {"<=", [](double a, double b) { return a <= b; }},
    {"=<", [](double a, double b) { return a <= b; }},
}};

} // namespace

bool relationHolds(std::string_view op, double a, double b) {
    for (const auto& candidate : Relations)
        if (candidate.op == op)
            return candidate.holds(a, b);
    return false;
}

namespace {

// Each occurrence is decided by its operands, the characters around them and, near either end, by its
// distance from that end; decisions never depend on other occurrences. A look therefore leaves no
// occurrence it could resolve, and after a change only occurrences next to the changed spans need a look.
// One exception: an operator at the very start ends the look before anything is resolved.
template <typename Term>
void resolve(Term& term, std::string_view op, const ChangedSpans& since, SpanLooks<Term>& looks,
             ChangedSpans& record) {
    const auto width = static_cast<std::ptrdiff_t>(op.size());
    std::size_t from = 0;
    for (std::size_t index = 0; index < since.count();) {
        // The second character of an operator may be the one that ends the run before the changed text.
        const std::size_t again = looks.lookAgain(index);
        const std::size_t start = std::max(from, again >= op.size() - 1 ? again - (op.size() - 1) : 0);
        const std::size_t boundary = looks.boundary(index);
        const std::size_t limit = boundary == std::string::npos ? boundary : boundary + 1;
        const std::size_t found = start < limit ? looks.find(op, index, start, limit) : std::string::npos;
        if (found == std::string::npos) {
            ++index;
            continue;
        }
        const auto length = static_cast<std::ptrdiff_t>(term.size());
        const auto at = static_cast<std::ptrdiff_t>(found);
        if (at < 1) {
            record = ChangedSpans{};
            return;
        }
        if (at > length - 3)
            return;
        const auto left = static_cast<std::ptrdiff_t>(term.runStart(found));
        const std::ptrdiff_t operatorEnd = at + width - 1;
        const auto right =
            static_cast<std::ptrdiff_t>(term.runEnd(static_cast<std::size_t>(operatorEnd) + 1)) - 1;
        if (right == operatorEnd || left == at) {
            // No operator starts within its own second character or the run after it.
            from = static_cast<std::size_t>(right) + 1;
            continue;
        }
        const double a = readNumber(term.view(static_cast<std::size_t>(left), found - left));
        const double b = readNumber(term.view(static_cast<std::size_t>(operatorEnd + 1),
                                              static_cast<std::size_t>(right - operatorEnd)));
        term.replace(static_cast<std::size_t>(left), static_cast<std::size_t>(right - left + 1),
                     relationHolds(op, a, b) ? "1" : "0");
        // The spans have moved with the replacement, so the look starts again from the first that
        // reaches past it.
        from = static_cast<std::size_t>(left + 1);
        index = 0;
    }
}

// The rewriting of one row with the effect of ReplaceAll: after a row's look no occurrence of its text is
// left, so every new occurrence overlaps text changed since.
template <typename Term> void rewrite(Term& term, const LogicRow& row, const ChangedSpans& since) {
    const std::size_t reach = row.find.size() - 1;
    std::size_t from = 0;
    for (std::size_t index = 0; index < since.count();) {
        const auto span = since.at(index, term.size());
        const std::size_t start = std::max(from, span.first > reach ? span.first - reach : 0);
        const std::size_t found =
            start < span.last ? term.find(row.find, start, span.last) : std::string::npos;
        if (found == std::string::npos) {
            ++index;
            continue;
        }
        term.replace(found, row.find.size(), row.replace);
        // An occurrence the replacement creates overlaps it, and none lies wholly before it. The spans
        // have moved with the replacement, so the look starts again from the first that reaches from.
        from = found > reach ? found - reach : 0;
        index = 0;
    }
}

// The kinds of characters each logical row needs, checked on every pass of a Term with letters, most of
// which hold none of the keywords.
constexpr auto RowKinds = [] {
    std::array<KindMask, LogicRows.size()> kinds{};
    for (std::size_t row = 0; row < LogicRows.size(); ++row)
        kinds[row] = kindsIn(LogicRows[row].find);
    return kinds;
}();

// Where a row may start: its first two characters, each pair once.
constexpr auto RowStarts = [] {
    std::array<std::pair<char, char>, LogicRows.size()> starts{};
    std::size_t count = 0;
    for (const auto& row : LogicRows) {
        const std::pair pair{row.find[0], row.find[1]};
        if (std::find(starts.begin(), starts.begin() + static_cast<std::ptrdiff_t>(count), pair) ==
            starts.begin() + static_cast<std::ptrdiff_t>(count))
            starts[count++] = pair;
    }
    return std::pair{starts, count};
}();

// Whether a row may start where some row's look would search: most passes change nothing next to a
// keyword, and one read of the short windows shows it, where the rows' searches would each read them.
template <typename Term> bool mayStartRow(const Term& term, const ChangedSpans& since) {
    constexpr std::size_t Reach = 4;
    constexpr std::size_t ShortWindow = 32;
    static_assert(std::all_of(LogicRows.begin(), LogicRows.end(),
                              [](const LogicRow& row) { return row.find.size() <= Reach + 1; }));
    const auto& [starts, count] = RowStarts;
    for (std::size_t index = 0; index < since.count(); ++index) {
        const auto span = since.at(index, term.size());
        const std::size_t first = span.first > Reach ? span.first - Reach : 0;
        if (span.last - first > ShortWindow)
            return true;
        for (std::size_t pos = first; pos < span.last; ++pos) {
            const std::pair pair{term.at(static_cast<std::ptrdiff_t>(pos)),
                                 term.at(static_cast<std::ptrdiff_t>(pos) + 1)};
            if (std::find(starts.begin(), starts.begin() + static_cast<std::ptrdiff_t>(count), pair) !=
                starts.begin() + static_cast<std::ptrdiff_t>(count))
                return true;
        }
    }
    return false;
}

template <typename Term> bool mayHoldAnyRow(const Term& term) {
    const KindMask present = presentKinds(term);
    return std::any_of(RowKinds.begin(), RowKinds.end(),
                       [present](KindMask row) { return (row & ~present) == 0; });
}

template <typename Term> void resolveInSpans(Term& term, RelationRecords& records) {
    // Where nothing can occur, a look would find nothing; passing over it keeps the record collecting.
    if (relationalCount(term) > 0) {
        const bool twoCharacter = term.twoCharacterRelations() > 0;
        auto& record = twoCharacter ? records.twoCharacter : records.oneCharacter;
        const auto order = twoCharacter ? std::span<const std::string_view>(TwoCharacterOrder)
                                        : std::span<const std::string_view>(OneCharacterOrder);
        // Each operator sees the changes since the group's previous look, which include those since its own.
        ChangedSpans since = record;
        const Watching watchSince(term, since);
        record = ChangedSpans::nothing();
        SpanLooks looks(term, since);
        // Most passes change nothing next to a relation; one read of the windows shows it, where each
        // operator's search would read them again.
        const auto startsAt = [&term, twoCharacter](std::size_t pos) {
            const char first = term.at(static_cast<std::ptrdiff_t>(pos));
            return twoCharacter ? isTwoCharacterRelation(first, term.at(static_cast<std::ptrdiff_t>(pos) + 1))
                                : first == '=' || first == '<' || first == '>' || first == '|';
        };
        if (looks.mayStartNear(twoCharacter ? 1 : 0, startsAt))
            for (const auto op : order)
                if (mayHold(term, op))
                    resolve(term, op, since, looks, record);
    }
    if (!records.noRows && letterCount(term) > 0 && mayHoldAnyRow(term)) {
        ChangedSpans since = records.logic;
        const Watching watchSince(term, since);
        records.logic = ChangedSpans::nothing();
        if (mayStartRow(term, since))
            for (const auto& row : LogicRows)
                if (mayHold(term, row.find))
                    rewrite(term, row, since);
    }
}

} // namespace

void resolveRelationsAndLogic(FlatTerm& term) {
    if (relationalCount(term) + letterCount(term) == 0)
        return;
    // Records that have seen nothing make every look a whole one.
    RelationRecords whole;
    resolveInSpans(term, whole);
}

void resolveRelationsAndLogic(WorkingTerm& term, RelationRecords& records) {
    resolveInSpans(term, records);
}

void unwatchUnused(WorkingTerm& term, RelationRecords& records) {
    if (relationalCount(term) == 0) {
        term.unwatch(records.twoCharacter);
        term.unwatch(records.oneCharacter);
    }
    if (!mayHoldAnyRow(term)) {
        term.unwatch(records.logic);
        records.noRows = true;
    }
}

} // namespace MODULCalc
