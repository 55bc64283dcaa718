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

// What the arithmetic levels saw on their previous look at the working term: the text unchanged since the
// first level's look, and for each level where its later blocking operator joined and where it gave up
// the rest of the level.
struct ArithmeticRecord {
    Unchanged Since;
    std::array<Mark, 5> Joined{};
    std::array<Mark, 5> GaveUp{};
};

void ReduceArithmetic(WorkingTerm& Term, ArithmeticRecord& Record);

} // namespace MODULCalc
