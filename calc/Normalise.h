#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace MODULCalc {

// Brings a trimmed Term into the one form the reduction works on: exponent and pi letters in capitals,
// every other letter small, a point for the decimal comma, subtraction as the addition of a negative
// operand, brackets as parentheses, no blanks, and one pair of parentheses around the whole.
// Nothing when the Term is empty once blanks are gone.
std::optional<std::string> normaliseTerm(std::string_view term);

} // namespace MODULCalc
