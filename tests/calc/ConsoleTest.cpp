#include "tests/calc/CalcTestSupport.h"

namespace {

using MODULCalc::Calculate;

TEST(Console, AnswersWithThePanelsFlags) {
    ExpectPanelResults(ConsoleRows);
}

TEST(Console, FlagsChangeTheAnswers) {
    const std::array<std::string, 32> Slots{};
    struct Row {
        std::string Term;
        std::int16_t HideConsole;
        std::int16_t BasicOnly;
        std::int16_t SlotCount;
        std::string Expected;
    };
    const std::string Banner = "Numbra 2.01.03";
    const std::vector<Row> Rows{
        {"?", -1, 0, 32, Banner},
        {"help", -1, 0, 32, Banner},
        {"version", -1, 0, 32, Banner},
        {"1+1", -1, 0, 32, "2"},
        {"commands", 0, -1, 32, "Please choose: basic advanced"},
        {"help commands", 0, 0, 32, "Please choose: basic advanced professional"},
        {"professional", 0, 0, 32, "< <= = => > <> | and or xor eqv not var()"},
        {"professional", 0, 0, 0, "< <= = => > <> | and or xor eqv not"},
        {"professional", 0, -1, 32, Banner},
        {"help and", 0, -1, 32, Banner},
        {"help and", 0, 0, 32, "Returns 1 if both values are 1"},
        {"help var", 0, 0, 0, Banner},
        {"help var", 0, 0, 1, "Uses Variable according to result"},
        {"help sin", 0, -1, 0, "Returns the sine of an angle given in radians"},
        // The panel's start-up filling.
        {"", 0, -1, 0, Banner},
        {"basic", 0, -1, 0, "0123456789-.,E   P   +-*/#^()"},
        {"advanced", 0, -1, 0, "log sqr int cnt abs frc rnd sgn sin cos tan atn"},
        {"professional", 0, 0, 1, "< <= = => > <> | and or xor eqv not var()"},
    };
    for (const auto& Row : Rows) {
        SCOPED_TRACE(testing::Message() << "Term '" << Row.Term << "' flags " << Row.HideConsole << " "
                                        << Row.BasicOnly << " " << Row.SlotCount);
        EXPECT_EQ(Calculate(Row.Term, Row.HideConsole, Row.BasicOnly, Slots, Row.SlotCount, FixedClock),
                  Row.Expected);
    }
}

} // namespace
