#include "tests/calc/CalcTestSupport.h"

namespace {

TEST(Relations, RelationsAndLogicThroughCalculate) {
    ExpectPanelResults(RelationRows);
}

// A relation takes the single runs of number characters next to it, as they are written.
TEST(Relations, OnlyPlainNeighboursAreCompared) {
    ExpectPanelResults({{"1=1=1", "1"},
                        {"a=1", "(a=1)"},
                        {"P=0", "1"},
                        {"=1", "(=1)"},
                        {"1=>2", "0"},
                        {"3<>3<>4", "1"},
                        {"-1<0", "1"},
                        {"1=", "(1=)"},
                        {"2<3<4", "1"}});
}

} // namespace
