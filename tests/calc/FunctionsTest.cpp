#include "tests/calc/CalcTestSupport.h"

#include <cstdlib>

namespace {

using MODULCalc::Calculate;

TEST(Functions, TableAndRefusals) {
    ExpectPanelResults(FunctionRows);
}

TEST(Functions, VarInsertsTheSlotTextAsPartOfTheTerm) {
    std::array<std::string, 32> Slots{};
    Slots[0] = "1+2";
    Slots[1] = "7";
    Slots[2] = " 1E+5 ";
    const std::vector<CalcRow> Rows{
        {"var(0)*2", "5"}, {"var(1.9)", "7"}, {"var(1)+var(1)", "14"}, {"var(2)", "1E5"}, {"var(3)", ""},
    };
    for (const auto& Row : Rows) {
        SCOPED_TRACE(testing::Message() << "Term '" << Row.Term << "'");
        EXPECT_EQ(Calculate(std::string(Row.Term), 0, 0, Slots, 32, FixedClock), Row.Expected);
    }
    EXPECT_EQ(Calculate("var(0)", 0, 0, Slots, 0, FixedClock), "(var(0))");
    EXPECT_EQ(Calculate("var(1)", 0, 0, Slots, 1, FixedClock), "(var(1))");
    // A slot count beyond the slots handed in is an index error, never a read past them.
    EXPECT_EQ(Calculate("var(2)", 0, 0, std::span(Slots).first(2), 32, FixedClock), "Error (9)");
}

TEST(Functions, RndScalesOneDrawPerCallReproducibly) {
    const std::array<std::string, 32> Slots{};
    const std::string First = Calculate("rnd(1)", 0, 0, Slots, 32, FixedClock);
    EXPECT_EQ(Calculate("rnd(1)", 0, 0, Slots, 32, FixedClock), First);
    EXPECT_EQ(Calculate("rnd(0)", 0, 0, Slots, 32, FixedClock), "0");
    int Differing = 0;
    for (int Second = 0; Second < 200; ++Second) {
        const std::string Drawn = Calculate("rnd(10)", 0, 0, Slots, 32, Second);
        const double Value = std::strtod(Drawn.c_str(), nullptr);
        ASSERT_GE(Value, 0.0) << Drawn;
        ASSERT_LT(Value, 10.0) << Drawn;
        Differing += Drawn != Calculate("rnd(10)", 0, 0, Slots, 32, Second + 1);
    }
    EXPECT_GT(Differing, 190);
    // Two calls in one Term draw two different numbers from the same seed.
    const std::string Pair = Calculate("rnd(1)=rnd(1)", 0, 0, Slots, 32, FixedClock);
    EXPECT_EQ(Pair, "0");
}

TEST(Functions, BasicOnlySkipsRelationsAndLogic) {
    const std::array<std::string, 32> Slots{};
    const std::vector<CalcRow> Rows{{"3>2", "(3>2)"}, {"1and1", "(1and1)"}, {"1+2", "3"}, {"sin(0)", "0"}};
    for (const auto& Row : Rows) {
        SCOPED_TRACE(testing::Message() << "Term '" << Row.Term << "'");
        EXPECT_EQ(Calculate(std::string(Row.Term), 0, -1, Slots, 32, FixedClock), Row.Expected);
    }
}

} // namespace
