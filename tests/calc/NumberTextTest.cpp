#include "calc/NumberText.h"

#include "calc/Evaluation.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace {

using MODULCalc::readNumber;

// The engine rounds most values itself; the C library's conversion is the reference, on random bit patterns
// of every magnitude, on quotients and on values exactly halfway between two 15-digit roundings.
TEST(NumberText, WritesTheCorrectlyRoundedFifteenDigitsOfAnyValue) {
    std::mt19937_64 rng(15);
    const auto check = [](double value) {
        char reference[64];
        std::snprintf(reference, sizeof reference, "%.14e", value);
        ASSERT_EQ(readNumber(MODULCalc::writeResult(value).view()), std::strtod(reference, nullptr))
            << reference;
    };
    for (int count = 0; count < 50'000; ++count) {
        const std::uint64_t exponent = 1003 + rng() % 72;
        check(std::bit_cast<double>((exponent << 52) | (rng() & ((std::uint64_t{1} << 52) - 1))));
        check(static_cast<double>(rng() % 100'000) / static_cast<double>(1 + rng() % 9'999));
        check(static_cast<double>(rng() % 100'000'000'000'000) + 0.5);
    }
}

} // namespace
