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
std::optional<FifteenDigits> RoundToFifteenDigits(double Absolute) {
    constexpr int Lowest = -5;
    static constexpr std::array<double, 21> Powers{1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,
                                                   1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                                   1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    static constexpr auto PowersOfFive = [] {
        std::array<std::uint64_t, 22> Fives{};
        Fives[0] = 1;
        for (std::size_t Index = 1; Index < Fives.size(); ++Index) {
            Fives[Index] = Fives[Index - 1] * 5;
        }
        return Fives;
    }();
    constexpr std::uint64_t Smallest = 100'000'000'000'000;
    if (!(Absolute >= Powers.front() && Absolute < Powers.back())) {
        return std::nullopt;
    }
    const auto Bits = std::bit_cast<std::uint64_t>(Absolute);
    const std::uint64_t Mantissa = (Bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int BinaryExponent = static_cast<int>(Bits >> 52) - 1075;
    // The decimal exponent from the binary one (78913 / 2^18 is just below log10(2)), then the powers of ten:
    // those below 1 are not exact, so the guess may still be one off either way; the whole part tells and
    // corrects it.
    int Exponent = std::max(Lowest, ((BinaryExponent + 52) * 78913) >> 18);
    while (Exponent < 14 && Absolute >= Powers[static_cast<std::size_t>(Exponent - Lowest + 1)]) {
        ++Exponent;
    }
    for (int Attempt = 0; Attempt < 3; ++Attempt) {
        const int Scale = 14 - Exponent;
        if (Scale < 0 || Scale >= static_cast<int>(PowersOfFive.size())) {
            return std::nullopt;
        }
        // Value * 10^Scale = Product * 2^Shift exactly.
        const Unsigned128 Product = Unsigned128{Mantissa} * PowersOfFive[static_cast<std::size_t>(Scale)];
        const int Shift = Scale + BinaryExponent;
        Unsigned128 Whole = Product;
        Unsigned128 Rest = 0;
        Unsigned128 Half = 0;
        if (Shift >= 0) {
            Whole = Product << Shift;
        } else {
            Whole = Product >> -Shift;
            Rest = Product & ((Unsigned128{1} << -Shift) - 1);
            Half = Unsigned128{1} << (-Shift - 1);
        }
        if (Whole < Smallest) {
            --Exponent;
            continue;
        }
        if (Whole >= Smallest * 10) {
            ++Exponent;
            continue;
        }
        if (Shift < 0 && Rest == Half) {
            return std::nullopt;
        }
        auto Digits = static_cast<std::uint64_t>(Whole) + (Shift < 0 && Rest > Half ? 1 : 0);
        if (Digits == Smallest * 10) {
            Digits = Smallest;
            ++Exponent;
        }
        return FifteenDigits{Digits, Exponent};
    }
    return std::nullopt;
}

// Two digits at a time from a table, in two halves that fit 32 bits: the general conversion spends much of
// its time finding the length, which here is always 15.
void WriteFifteenDigits(std::uint64_t Value, char* Out) {
    static constexpr auto Pairs = [] {
        std::array<char, 200> Table{};
        for (std::size_t Pair = 0; Pair < 100; ++Pair) {
            Table[2 * Pair] = static_cast<char>('0' + Pair / 10);
            Table[2 * Pair + 1] = static_cast<char>('0' + Pair % 10);
        }
        return Table;
    }();
    const auto WriteHalf = [](std::uint32_t Half, char* Last, int Count) {
        for (; Count >= 2; Count -= 2) {
            const std::uint32_t Pair = Half % 100;
            Half /= 100;
            *Last-- = Pairs[2 * Pair + 1];
            *Last-- = Pairs[2 * Pair];
        }
        if (Count == 1) {
            *Last = static_cast<char>('0' + Half);
        }
    };
    WriteHalf(static_cast<std::uint32_t>(Value / 100'000'000), Out + 6, 7);
    WriteHalf(static_cast<std::uint32_t>(Value % 100'000'000), Out + 14, 8);
}

} // namespace MODULCalc
