#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
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

// The eight digits of value, below 10^8, as eight characters in one word, the first in its lowest byte:
// split in halves of four digits, those in pairs, those in single digits, each step in every lane at once.
// For a machine that keeps the lowest byte of a word first.
inline std::uint64_t eightDigits(std::uint32_t value) {
    const std::uint64_t fours = value / 10000 | std::uint64_t{value % 10000} << 32;
    // x / 100 is (x * 10486) >> 20 for x below 10^4, and x / 10 is (x * 103) >> 10 below 100.
    const std::uint64_t hundreds = (fours * 10486 >> 20) & 0x0000007F0000007F;
    const std::uint64_t twos = hundreds | (fours - hundreds * 100) << 16;
    const std::uint64_t tens = (twos * 103 >> 10) & 0x000F000F000F000F;
    return (tens | (twos - tens * 10) << 8) + 0x3030303030303030;
}

// Writes value, below 10^16, as sixteen digits with its leading zeros to out[0] to out[15]: the general
// conversion spends much of its time finding the length.
inline void writeSixteenDigits(std::uint64_t value, char* out) {
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t first = eightDigits(static_cast<std::uint32_t>(value / 100'000'000));
        const std::uint64_t second = eightDigits(static_cast<std::uint32_t>(value % 100'000'000));
        std::memcpy(out, &first, sizeof first);
        std::memcpy(out + 8, &second, sizeof second);
        return;
    }
    for (int index = 15; index >= 0; --index, value /= 10)
        out[index] = static_cast<char>('0' + value % 10);
}

} // namespace MODULCalc
