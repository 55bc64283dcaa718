#include "calc/FifteenDigits.h"

#include <algorithm>
#include <array>
#include <bit>

namespace MODULCalc {
namespace {

__extension__ using Unsigned128 = unsigned __int128;

} // namespace

// The value rounded to 15 significant digits, as a whole number of exactly 15 digits and the decimal
// exponent of its first, for the magnitudes most results have. The double is an exact binary fraction,
// so its value times a power of ten is an exact fraction with a power of two below, which 128 bits hold:
// the rounding is the correct one, as to_chars gives, at a fraction of its cost. Nothing outside those
// magnitudes and exactly halfway between two roundings, where to_chars decides.
std::optional<FifteenDigits> roundToFifteenDigits(double absolute) {
    constexpr int Lowest = -5;
    static constexpr std::array<double, 21> Powers{1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,
                                                   1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                                   1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    static constexpr auto PowersOfFive = [] {
        std::array<std::uint64_t, 22> fives{};
        fives[0] = 1;
        for (std::size_t index = 1; index < fives.size(); ++index) {
            fives[index] = fives[index - 1] * 5;
        }
        return fives;
    }();
    constexpr std::uint64_t Smallest = 100'000'000'000'000;
    if (!(absolute >= Powers.front() && absolute < Powers.back()))
        return std::nullopt;
    const auto bits = std::bit_cast<std::uint64_t>(absolute);
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int binaryExponent = static_cast<int>(bits >> 52) - 1075;
    // The decimal exponent from the binary one (78913 / 2^18 is just below log10(2)), then the powers of ten:
    // those below 1 are not exact, so the guess may still be one off either way; the whole part tells and
    // corrects it.
    int exponent = std::max(Lowest, ((binaryExponent + 52) * 78913) >> 18);
    while (exponent < 14 && absolute >= Powers[static_cast<std::size_t>(exponent - Lowest + 1)])
        ++exponent;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = 14 - exponent;
        if (scale < 0 || scale >= static_cast<int>(PowersOfFive.size()))
            return std::nullopt;
        // absolute * 10^scale = product * 2^shift exactly.
        const Unsigned128 product = Unsigned128{mantissa} * PowersOfFive[static_cast<std::size_t>(scale)];
        const int shift = scale + binaryExponent;
        Unsigned128 whole = product;
        Unsigned128 rest = 0;
        Unsigned128 half = 0;
        if (shift >= 0) {
            whole = product << shift;
        } else {
            whole = product >> -shift;
            rest = product & ((Unsigned128{1} << -shift) - 1);
            half = Unsigned128{1} << (-shift - 1);
        }
        if (whole < Smallest) {
            --exponent;
            continue;
        }
        if (whole >= Smallest * 10) {
            ++exponent;
            continue;
        }
        if (shift < 0 && rest == half)
            return std::nullopt;
        auto digits = static_cast<std::uint64_t>(whole) + (shift < 0 && rest > half ? 1 : 0);
        if (digits == Smallest * 10) {
            digits = Smallest;
            ++exponent;
        }
        return FifteenDigits{digits, exponent};
    }
    return std::nullopt;
}

} // namespace MODULCalc
