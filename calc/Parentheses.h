#pragma once

#include <string>

namespace MODULCalc {

struct Evaluation;

// Drops at most one pair of parentheses around a plain number per pass, applying the function whose
// three-letter name stands before it.
void RemoveParentheses(std::string& Term, Evaluation& Eval);

} // namespace MODULCalc
