#pragma once

#include "calc/MODULCalc.h"
#include "tests/calc/CalcRows.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A fixed clock reading keeps rnd reproducible.
inline constexpr double FixedClock = 45296.25;

inline std::string PanelCalculate(std::string_view Term) {
    static const std::array<std::string, 32> EmptySlots{};
    return MODULCalc::Calculate(std::string(Term), 0, 0, EmptySlots, 32, FixedClock);
}

inline void ExpectPanelResults(const std::vector<CalcRow>& Rows) {
    for (const auto& Row : Rows) {
        SCOPED_TRACE(testing::Message() << "Term '" << Row.Term << "'");
        EXPECT_EQ(PanelCalculate(Row.Term), Row.Expected);
    }
}
