#include "calc/NumberText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using MODULCalc::ReadNumber;

TEST(NumberText, ReadsTheLongestLeadingDecimalNumber) {
    const std::vector<std::pair<std::string, double>> Rows{
        {"1.5", 1.5}, {".5", 0.5},   {"-.25", -0.25}, {"1E5", 1e5}, {"1E+5", 1e5}, {"1E-5", 1e-5},
        {"5-3", 5},   {"1E", 1},     {"1E-", 1},      {"-", 0},     {".", 0},      {"", 0},
        {"E5", 0},    {"1.E2", 100}, {"--5", 0},      {"007", 7},   {"1E-999", 0}, {"0E999", 0},
        {"2P", 2},    {"P", 0},      {"1.2.3", 1.2},  {"1EE5", 1},
    };
    for (const auto& [Text, Expected] : Rows) {
        EXPECT_EQ(ReadNumber(Text), Expected) << "'" << Text << "'";
    }
}

} // namespace
