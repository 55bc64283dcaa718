#pragma once

#include "calc/WorkingTerm.h"

#include <array>
#include <string>
#include <string_view>

namespace MODULCalc {

// The text unchanged since the previous look of each group of the closing stage: the two-character
// relational operators, the single-character ones, and the logical rewriting rows.
struct RelationRecords {
    Unchanged TwoCharacter;
    Unchanged OneCharacter;
    Unchanged Logic;
};

// Replaces every "a Operator b" whose operands are runs of number characters by "1" or "0". The operands
// are read as they stand, so "P" reads as 0 here.
void ResolveRelation(std::string& Term, std::string_view Operator);

// The closing stage of a pass: the relational operators, then the textual rewriting of the logical
// keywords. The records must be watched by the term.
void ResolveRelationsAndLogic(WorkingTerm& Term, RelationRecords& Records);

} // namespace MODULCalc
