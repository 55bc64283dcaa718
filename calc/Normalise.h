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

// The same by the rewriting rows alone, one after another; normaliseTerm settles the usual Terms, made of
// digits, operators and parentheses only, in one sweep with the same result.
std::optional<std::string> normaliseByRows(std::string_view term);

} // namespace MODULCalc
