#include "calc/NumberText.h"

#include "calc/Evaluation.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace {

using MODULCalc::ReadNumber;

// The engine rounds most values itself; the C library's conversion is the reference, on random bit patterns
// of every magnitude, on quotients and on values exactly halfway between two 15-digit roundings.
TEST(NumberText, WritesTheCorrectlyRoundedFifteenDigitsOfAnyValue) {
    std::mt19937_64 Rng(15);
    const auto Check = [](double Value) {
        char Reference[64];
        std::snprintf(Reference, sizeof Reference, "%.14e", Value);
        ASSERT_EQ(ReadNumber(MODULCalc::WriteResult(Value).View()), std::strtod(Reference, nullptr))
            << Reference;
    };
    for (int Count = 0; Count < 50'000; ++Count) {
        const std::uint64_t Exponent = 1003 + Rng() % 72;
        Check(std::bit_cast<double>((Exponent << 52) | (Rng() & ((std::uint64_t{1} << 52) - 1))));
        Check(static_cast<double>(Rng() % 100'000) / static_cast<double>(1 + Rng() % 9'999));
        Check(static_cast<double>(Rng() % 100'000'000'000'000) + 0.5);
    }
}

} // namespace
