#pragma once

#include "calc/WorkingTerm.h"

#include <array>
#include <string>
#include <string_view>

namespace MODULCalc {

// For every relational operator and every logical rewriting row, the text unchanged since its previous
// look at the working term.
struct RelationRecords {
    std::array<Unchanged, 9> Operators{};
    std::array<Unchanged, 18> Rows{};
};

// Replaces every "a Operator b" whose operands are runs of number characters by "1" or "0". The operands
// are read as they stand, so "P" reads as 0 here.
void ResolveRelation(std::string& Term, std::string_view Operator);

// The closing stage of a pass: the relational operators, then the textual rewriting of the logical
// keywords. The records must be watched by the term, which must count its two-character relations.
void ResolveRelationsAndLogic(WorkingTerm& Term, RelationRecords& Records);

} // namespace MODULCalc
