#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Conversion between numbers and their text, the same whatever the locale.
namespace MODULCalc {

// Reads the longest leading part of text that forms a decimal number (optional sign, digits, optional
// point and digits, optional "E" with optional sign and digits); 0 when there is none. A literal beyond
// the range of a double throws CalcFault Overflow; one too small to represent reads as 0.
double readNumber(std::string_view text);

// At most 15 significant digits, no trailing zeros, no 0 before the point (".5", "-.25"), a leading
// blank for values that are not negative. Like the classic BASIC display of doubles, the exponent form
// ("1E+21", "1.5E-07", at least two exponent digits) is used when the decimal exponent of the rounded
// value is below -4 or 15 and above: 1E-4 is written ".0001" but 1E-5 is "1E-05", and
// 999999999999999 is written in full but 1E15 is "1E+15".
std::string writeNumber(double value);

std::string writeInteger(std::int64_t value);

// A computed value's text as it goes into the working term: writeNumber's or writeInteger's text without
// the leading blank and without a plus sign in the exponent ("1E21"). Held in place rather than on the
// heap, since every operation writes one and the text is copied into the term at once.
class ResultText {
public:
    std::string_view view() const { return {chars_.data(), size_}; }

private:
    friend ResultText writeResult(double value);
    friend ResultText writeIntegerResult(std::int64_t value);
    // The longest text is a negative 15-digit mantissa with a three-digit negative exponent: 22 characters.
    std::array<char, 32> chars_{};
    std::size_t size_ = 0;
};

ResultText writeResult(double value);
ResultText writeIntegerResult(std::int64_t value);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

} // namespace MODULCalc
