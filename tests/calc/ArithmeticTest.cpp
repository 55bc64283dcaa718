#include "tests/calc/CalcTestSupport.h"

namespace {

TEST(Answers, AsThePanelShowsThem) {
    for (const auto* rows : AllRows)
        for (const auto& row : *rows)
            EXPECT_EQ(panelCalculate(row.term), row.expected) << "Term '" << row.term << "'";
}

} // namespace
