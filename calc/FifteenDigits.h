#pragma once

#include <cstdint>
#include <optional>

// The 15 significant digits every computed value is written with, found and written faster than the
// general conversion does it for the magnitudes most results have.
namespace MODULCalc {

struct FifteenDigits {
    std::uint64_t Digits;
    int Exponent;
};

// The value rounded to 15 significant digits, as a whole number of exactly 15 digits and the decimal
// exponent of its first; nothing where the general conversion must decide.
std::optional<FifteenDigits> RoundToFifteenDigits(double Absolute);

// Writes the 15 digits of Value, which has exactly 15, to Out[0] to Out[14].
void WriteFifteenDigits(std::uint64_t Value, char* Out);

} // namespace MODULCalc
