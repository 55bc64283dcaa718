#pragma once

#include <cstdint>
#include <optional>

// The 15 significant digits every computed value is written with, found and written faster than the
// general conversion does it for the magnitudes most results have.
namespace MODULCalc {

struct FifteenDigits {
    std::uint64_t digits;
    int exponent;
};

// The value rounded to 15 significant digits, as a whole number of exactly 15 digits and the decimal
// exponent of its first; nothing where the general conversion must decide.
std::optional<FifteenDigits> roundToFifteenDigits(double absolute);

// Writes the 15 digits of value, which has exactly 15, to out[0] to out[14].
void writeFifteenDigits(std::uint64_t value, char* out);

} // namespace MODULCalc
