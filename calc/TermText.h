#pragma once

#include <string>
#include <string_view>

// Text primitives shared by every stage of the calculator.
namespace MODULCalc {

inline constexpr std::string_view PiText = "3.1415926535";

// Replaces the first occurrence of Find, then searches again from the start, until none is left; a
// replacement may therefore create a new occurrence. Replace must not contain Find.
void ReplaceAll(std::string& Text, std::string_view Find, std::string_view Replace);

// Characters that may form an operand: digits, point, minus, exponent letter and pi.
inline bool IsNumberChar(char C) {
    return (C >= '0' && C <= '9') || C == '-' || C == '.' || C == 'E' || C == 'P';
}

// Only operators and parentheses may stand next to an operation that is computed.
inline bool IsNeighbourChar(char C) {
    return C == '(' || C == ')' || C == '^' || C == '*' || C == '/' || C == '+' || C == '-';
}

// Characters that carry no digit: an operand made only of them is empty.
inline bool IsEmptyOperandChar(char C) {
    return C == 'E' || C == '-' || C == '.' || C == ' ';
}

// True for operands made only of signs, points and exponent letters, such as "-", "." or "-.E".
bool IsEmptyOperand(std::string_view Operand);

// Removes blanks (only the space character) at both ends.
std::string_view TrimBlanks(std::string_view Text);

std::string ToUpperAscii(std::string_view Text);

} // namespace MODULCalc
