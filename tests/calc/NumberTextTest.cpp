#include "calc/NumberText.h"

#include "calc/Evaluation.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using MODULCalc::ReadNumber;
using MODULCalc::WriteNumber;

TEST(NumberText, WritesFifteenDigitsInBasicStyle) {
    const std::vector<std::pair<double, std::string>> Rows{
        {0.0, " 0"},
        {-0.0, " 0"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {100, " 100"},
        {1234.5, " 1234.5"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {0.1 + 0.2, " .3"},
        {1e21, " 1E+21"},
        {1.5e-7, " 1.5E-07"},
        {1e100, " 1E+100"},
        {-1e-300, "-1E-300"},
        {123456789012345678.0, " 1.23456789012346E+17"},
        {999999999999999.0, " 999999999999999"},
        {999999999999999.9, " 1E+15"},
        {1e15, " 1E+15"},
        {1e-4, " .0001"},
        {1e-5, " 1E-05"},
        {0.000123456, " .000123456"},
        {std::numeric_limits<double>::max(), " 1.79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
    };
    for (const auto& [Value, Expected] : Rows) {
        SCOPED_TRACE(Expected);
        EXPECT_EQ(WriteNumber(Value), Expected);
    }
}

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

TEST(NumberText, ReadsTheLongestLeadingDecimalNumber) {
    const std::vector<std::pair<std::string, double>> Rows{
        {"1.5", 1.5}, {".5", 0.5},   {"-.25", -0.25}, {"1E5", 1e5}, {"1E+5", 1e5}, {"1E-5", 1e-5},
        {"5-3", 5},   {"1E", 1},     {"1E-", 1},      {"-", 0},     {".", 0},      {"", 0},
        {"E5", 0},    {"1.E2", 100}, {"--5", 0},      {"007", 7},   {"1E-999", 0}, {"0E999", 0},
        {"2P", 2},    {"P", 0},      {"1.2.3", 1.2},  {"1EE5", 1},
    };
    for (const auto& [Text, Expected] : Rows) {
        SCOPED_TRACE("'" + Text + "'");
        EXPECT_EQ(ReadNumber(Text), Expected);
    }
    for (const std::string Text : {"1E999", "-1E999", "1E99999999999999999999", "99999E305"}) {
        SCOPED_TRACE(Text);
        try {
            ReadNumber(Text);
            ADD_FAILURE() << "no overflow";
        } catch (const MODULCalc::CalcFault& Failure) {
            EXPECT_EQ(Failure.Code, MODULCalc::Fault::Overflow);
        }
    }
}

TEST(NumberText, RoundsHalvesToEven) {
    const std::vector<std::pair<double, double>> Rows{{2.5, 2},   {3.5, 4}, {-2.5, -2},
                                                      {-3.5, -4}, {2.4, 2}, {-0.6, -1}};
    for (const auto& [Value, Expected] : Rows) {
        EXPECT_EQ(MODULCalc::RoundHalfEven(Value), Expected) << Value;
    }
}

} // namespace
