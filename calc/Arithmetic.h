#pragma once

#include <string>
#include <string_view>

namespace MODULCalc {

// The operand text as it is read: "P" stands for pi.
std::string_view PrepareOperand(std::string_view Operand);

// The text the engine writes back for a computed value: no blanks around it and no plus sign in the
// exponent, so that a later level cannot take that sign for an addition.
std::string TidyResult(std::string Text);

// One pass of the five arithmetic levels (power, multiplication, division, remainder, addition) over
// the working term.
void ReduceArithmetic(std::string& Term);

} // namespace MODULCalc
