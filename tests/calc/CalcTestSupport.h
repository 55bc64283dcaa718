#pragma once

#include "calc/MODULCalc.h"
#include "tests/calc/CalcRows.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A fixed clock reading keeps rnd reproducible.
inline constexpr double FixedClock = 45296.25;

inline std::string panelCalculate(std::string_view term) {
    static const std::array<std::string, 32> EmptySlots{};
    return MODULCalc::Calculate(std::string(term), 0, 0, EmptySlots, 32, FixedClock);
}

inline void expectPanelResults(const std::vector<CalcRow>& rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "Term '" << row.term << "'");
        EXPECT_EQ(panelCalculate(row.term), row.expected);
    }
}
