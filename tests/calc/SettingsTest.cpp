#include "tests/calc/CalcTestSupport.h"

#include <cstdlib>

namespace {

using MODULCalc::Calculate;

// The panel's flags hide the console or the relations, and the slot count decides which var calls are
// answered; a slot's text becomes part of the Term.
TEST(Settings, FlagsAndSlotsChangeTheAnswers) {
    std::array<std::string, 32> Slots{};
    Slots[0] = "1+2";
    Slots[1] = "7";
    Slots[2] = " 1E+5 ";
    struct Row {
        std::string Term;
        std::int16_t HideConsole, BasicOnly, SlotCount;
        std::string Expected;
    };
    const std::string Banner = "Numbra 2.01.03";
    const std::vector<Row> Rows{
        {"?", -1, 0, 32, Banner},
        {"1+1", -1, 0, 32, "2"},
        {"commands", 0, -1, 32, "Please choose: basic advanced"},
        {"help commands", 0, 0, 32, "Please choose: basic advanced professional"},
        {"professional", 0, 0, 0, "< <= = => > <> | and or xor eqv not"},
        {"professional", 0, 0, 1, "< <= = => > <> | and or xor eqv not var()"},
        {"professional", 0, -1, 32, Banner},
        {"help and", 0, -1, 32, Banner},
        {"help and", 0, 0, 32, "Returns 1 if both values are 1"},
        {"help var", 0, 0, 0, Banner},
        {"help var", 0, 0, 1, "Uses Variable according to result"},
        {"help sin", 0, -1, 0, "Returns the sine of an angle given in radians"},
        {"", 0, -1, 0, Banner},
        {"advanced", 0, -1, 0, "log sqr int cnt abs frc rnd sgn sin cos tan atn"},
        {"3>2", 0, -1, 32, "(3>2)"},
        {"1and1", 0, -1, 32, "(1and1)"},
        {"sin(0)+1", 0, -1, 32, "1"},
        {"var(0)*2", 0, 0, 32, "5"},
        {"var(1.9)", 0, 0, 32, "7"},
        {"var(1)+var(1)", 0, 0, 32, "14"},
        {"var(2)", 0, 0, 32, "1E5"},
        {"var(0)", 0, 0, 0, "(var(0))"},
        {"var(1)", 0, 0, 1, "(var(1))"},
    };
    for (const auto& Row : Rows) {
        SCOPED_TRACE(testing::Message() << "Term '" << Row.Term << "' flags " << Row.HideConsole << " "
                                        << Row.BasicOnly << " " << Row.SlotCount);
        EXPECT_EQ(Calculate(Row.Term, Row.HideConsole, Row.BasicOnly, Slots, Row.SlotCount, FixedClock),
                  Row.Expected);
    }
    // A slot count beyond the slots handed in is an index error, never a read past them.
    EXPECT_EQ(Calculate("var(2)", 0, 0, std::span(Slots).first(2), 32, FixedClock), "Error (9)");
}

// rnd draws from a seed the clock gives: the same second gives the same number, and two calls in one
// Term draw two different numbers.
TEST(Settings, RndScalesOneDrawPerCallReproducibly) {
    const std::array<std::string, 32> Slots{};
    EXPECT_EQ(Calculate("rnd(1)", 0, 0, Slots, 32, FixedClock),
              Calculate("rnd(1)", 0, 0, Slots, 32, FixedClock));
    EXPECT_EQ(Calculate("rnd(0)", 0, 0, Slots, 32, FixedClock), "0");
    EXPECT_EQ(Calculate("rnd(1)=rnd(1)", 0, 0, Slots, 32, FixedClock), "0");
    int Differing = 0;
    for (int Second = 0; Second < 200; ++Second) {
        const std::string Drawn = Calculate("rnd(10)", 0, 0, Slots, 32, Second);
        const double Value = std::strtod(Drawn.c_str(), nullptr);
        ASSERT_TRUE(Value >= 0.0 && Value < 10.0) << Drawn;
        Differing += Drawn != Calculate("rnd(10)", 0, 0, Slots, 32, Second + 1);
    }
    EXPECT_GT(Differing, 190);
}

} // namespace
