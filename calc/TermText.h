#pragma once

#include <array>
#include <string>
#include <string_view>

// Text primitives shared by every stage of the calculator.
namespace MODULCalc {

inline constexpr std::string_view PiText = "3.1415926535";

// The position of the first occurrence of Needle in Text, or npos. It looks for the needle's last
// character first: the digits that end the logical rows are rare in the long runs of keywords and
// parentheses where a search by the first letter would stop at almost every character.
std::size_t FindText(std::string_view Text, std::string_view Needle);

// Replaces the first occurrence of Find, then searches again from the start, until none is left; a
// replacement may therefore create a new occurrence. Replace must not contain Find.
void ReplaceAll(std::string& Text, std::string_view Find, std::string_view Replace);

// Characters that may form an operand: digits, point, minus, exponent letter and pi. Every stage asks this of
// nearly every character it passes, so it is one look into a table.
inline constexpr auto NumberChars = [] {
    std::array<bool, 256> Table{};
    for (const char C : std::string_view("0123456789-.EP")) {
        Table[static_cast<unsigned char>(C)] = true;
    }
    return Table;
}();

inline bool IsNumberChar(char C) {
    return NumberChars[static_cast<unsigned char>(C)];
}

// Only operators and parentheses may stand next to an operation that is computed.
inline constexpr auto NeighbourChars = [] {
    std::array<bool, 256> Table{};
    for (const char C : std::string_view("()^*/+-")) {
        Table[static_cast<unsigned char>(C)] = true;
    }
    return Table;
}();

inline bool IsNeighbourChar(char C) {
    return NeighbourChars[static_cast<unsigned char>(C)];
}

// Characters that carry no digit: an operand made only of them is empty.
inline bool IsEmptyOperandChar(char C) {
    return C == 'E' || C == '-' || C == '.' || C == ' ';
}

// Whether Text holds at least Count characters. A Term is text of characters, not bytes: a letter of
// several bytes counts once, and so does every byte that does not belong to a well-formed sequence.
bool HasCharacters(std::string_view Text, std::size_t Count);

// True for operands made only of signs, points and exponent letters, such as "-", "." or "-.E".
bool IsEmptyOperand(std::string_view Operand);

// Removes blanks (only the space character) at both ends.
std::string_view TrimBlanks(std::string_view Text);

std::string ToUpperAscii(std::string_view Text);

} // namespace MODULCalc
