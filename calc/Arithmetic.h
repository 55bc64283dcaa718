#pragma once

#include "calc/WorkingTerm.h"

#include <array>
#include <string>
#include <string_view>

namespace MODULCalc {

// The operand text as it is read: "P" stands for pi.
std::string_view PrepareOperand(std::string_view Operand);

// The text the engine writes back for a computed value: no blanks around it and no plus sign in the
// exponent, so that a later level cannot take that sign for an addition.
std::string TidyResult(std::string Text);

// What one arithmetic level saw on its previous look at the working term: the text unchanged since, where
// its later blocking operator joined, and where it gave up the rest of the level.
struct LevelRecord {
    Unchanged Since;
    Mark Joined;
    Mark GaveUp;
};
using LevelRecords = std::array<LevelRecord, 5>;

// One pass of the five arithmetic levels (power, multiplication, division, remainder, addition) over
// the working term. The records must be watched by the term.
void ReduceArithmetic(WorkingTerm& Term, LevelRecords& Records);

} // namespace MODULCalc
