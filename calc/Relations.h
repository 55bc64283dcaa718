#pragma once

#include "calc/FlatTerm.h"
#include "calc/WorkingTerm.h"

#include <array>
#include <string>
#include <string_view>

namespace MODULCalc {

// The text unchanged since the previous look of each group of the closing stage: the two-character
// relational operators, the single-character ones, and the logical rewriting rows.
struct RelationRecords {
    ChangedSpans twoCharacter;
    ChangedSpans oneCharacter;
    ChangedSpans logic;
    // Set where the Term can never hold a keyword row again, so that no pass asks.
    bool noRows = false;
};

// While any two-character operator is present, the single-character ones wait for a later pass.
inline constexpr std::array<std::string_view, 5> TwoCharacterOrder{">=", "=>", "<=", "=<", "<>"};
inline constexpr std::array<std::string_view, 4> OneCharacterOrder{"=", "<", ">", "|"};

struct LogicRow {
    std::string_view find;
    std::string_view replace;
};

// Keywords combine only the single digit on either side, by text; "and" goes before "not", so "not1and1"
// is "not1" and then "0".
inline constexpr std::array<LogicRow, 18> LogicRows{{
    {"0and0", "0"},
    {"0and1", "0"},
    {"1and0", "0"},
    {"1and1", "1"},
    {"0or0", "0"},
    {"0or1", "1"},
    {"1or0", "1"},
    {"1or1", "1"},
    {"0xor0", "0"},
    {"0xor1", "1"},
    {"1xor0", "1"},
    {"1xor1", "0"},
    {"0eqv0", "1"},
    {"0eqv1", "0"},
    {"1eqv0", "0"},
    {"1eqv1", "1"},
    {"not0", "1"},
    {"not1", "0"},
}};

// Whether "a op b" holds, for any of the relational operators.
bool relationHolds(std::string_view op, double a, double b);

// The closing stage of a pass: the relational operators, each replacing "a op b" whose operands are
// runs of number characters by "1" or "0" (operands read as they stand, so "P" reads as 0 here), then the
// textual rewriting of the logical keywords. A short Term is looked at whole; a followed one where it
// changed since the records' previous looks, and the records must be watched by the term.
void resolveRelationsAndLogic(FlatTerm& term);
void resolveRelationsAndLogic(WorkingTerm& term, RelationRecords& records);

// Stops the term's updates of the records of groups it holds no character of. Only var puts relational
// characters or letters into a Term, so for a Term without var those records would only be kept for
// looks that never come; every replacement updates each watched record. A Term that holds no keyword row
// is marked so, and its passes no longer ask.
void unwatchUnused(WorkingTerm& term, RelationRecords& records);

} // namespace MODULCalc
