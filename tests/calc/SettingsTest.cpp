#include "tests/calc/CalcTestSupport.h"

#include "calc/Evaluation.h"

#include <cstdlib>

namespace {

using MODULCalc::Calculate;

// The panel's flags hide the console or the relations, and the slot count decides which var calls are
// answered; a slot's text becomes part of the Term.
TEST(Settings, FlagsAndSlotsChangeTheAnswers) {
    std::array<std::string, 32> slots{};
    slots[0] = "1+2";
    slots[1] = "7";
    slots[2] = " 1E+5 ";
    slots[31] = "9";
    struct Row {
        std::string term;
        std::int16_t hideConsole, basicOnly, slotCount;
        std::string expected;
    };
    const std::string banner = "Numbra 2.01.03";
    const std::vector<Row> rows{
        {"?", -1, 0, 32, banner},
        {"help", -32768, 0, 32, banner},
        {"1+1", -1, 0, 32, "2"},
        {"commands", 0, -1, 32, "Please choose: basic advanced"},
        {"help commands", 0, 0, 32, "Please choose: basic advanced professional"},
        {"professional", 0, 0, 0, "< <= = => > <> | and or xor eqv not"},
        {"professional", 0, 0, 1, "< <= = => > <> | and or xor eqv not var()"},
        {"professional", 0, -1, 32, banner},
        {"help and", 0, -1, 32, banner},
        {"help var", 0, 0, 0, banner},
        {"help var", 0, 0, 1, "Uses Variable according to result"},
        {"help sin", 0, -1, 0, "Returns the sine of an angle given in radians"},
        {"3>2", 0, -1, 32, "(3>2)"},
        {"1<2", 0, 32767, 32, "(1<2)"},
        {"1and1", 0, -1, 32, "(1and1)"},
        {"sin(0)+1", 0, -1, 32, "1"},
        {"var(0)*2", 0, 0, 32, "5"},
        {"var(1.9)", 0, 0, 32, "7"},
        {"var(1)+var(1)", 0, 0, 32, "14"},
        {"var(2)", 0, 0, 32, "1E5"},
        {"var(0)", 0, 0, 0, "(var(0))"},
        {"var(1)", 0, 0, 1, "(var(1))"},
        {"var(31)", 0, 0, 32, "9"},
        {"var(31)", 0, 0, 31, "(var(31))"},
        {"var(0)", 0, 0, -1, "(var(0))"},
        // A slot count beyond the slots handed in is an index error, never a read past them.
        {"var(32)", 0, 0, 32767, "Error (9)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "Term '" << row.term << "' flags " << row.hideConsole << " "
                                        << row.basicOnly << " " << row.slotCount);
        EXPECT_EQ(Calculate(row.term, row.hideConsole, row.basicOnly, slots, row.slotCount, FixedClock),
                  row.expected);
    }
}

// rnd draws from a seed the clock gives: the same second gives the same number, and two calls in one
// Term draw two different numbers.
TEST(Settings, RndScalesOneDrawPerCallReproducibly) {
    const std::array<std::string, 32> slots{};
    EXPECT_EQ(Calculate("rnd(1)", 0, 0, slots, 32, FixedClock),
              Calculate("rnd(1)", 0, 0, slots, 32, FixedClock));
    EXPECT_EQ(Calculate("rnd(0)", 0, 0, slots, 32, FixedClock), "0");
    EXPECT_EQ(Calculate("rnd(1)=rnd(1)", 0, 0, slots, 32, FixedClock), "0");
    int differing = 0;
    for (int second = 0; second < 200; ++second) {
        const std::string drawn = Calculate("rnd(10)", 0, 0, slots, 32, second);
        const double value = std::strtod(drawn.c_str(), nullptr);
        ASSERT_TRUE(value >= 0.0 && value < 10.0) << drawn;
        differing += drawn != Calculate("rnd(10)", 0, 0, slots, 32, second + 1);
    }
    EXPECT_GT(differing, 190);
}

std::string repeated(std::string_view unit, std::size_t count) {
    std::string text;
    while (count-- > 0)
        text += unit;
    return text;
}

// However long the slot texts and however many calls a Term makes, slots that do not call themselves
// give their answer; only a slot that, on its own or through others, calls itself again is stopped, and
// one that ends by itself well within the bound ('2*var(0)' overflows after 1,024 calls) is not.
TEST(Robustness, OnlySlotsThatCallThemselvesAreStopped) {
    constexpr std::size_t Room =
        MODULCalc::Evaluation::MaxWorkingLength - std::string_view("(var(0))").size();
    struct Row {
        std::string slot0, slot1, term, expected;
    };
    std::vector<Row> rows{
        {"var(0)+1", "", "var(0)", "Error (28)"},
        {"var(1)", "var(0)", "var(0)", "Error (28)"},
        {"1+var(1)", "var(0)+2", "2*var(0)", "Error (28)"},
        {"2*var(0)", "", "var(0)", "Overflow"},
        // A slot may fill the working term, "(var(0))" while var runs, up to the length bound exactly.
        {std::string(Room, 'x'), "", "var(0)", "(" + std::string(Room, 'x') + ")"},
        {std::string(Room + 1, 'x'), "", "var(0)", "Error (28)"},
    };
    for (const std::size_t count : {3U, 2500U}) {
        const std::string calls = repeated("var(0)+", count) + "1";
        rows.push_back(
            {repeated("1+", count) + "1", "", "var(0)+var(0)+var(0)+1", std::to_string(3 * count + 4)});
        rows.push_back({"sin(0)", "", calls, "1"});
        rows.push_back({"(1+2)*(3+4)", "", calls, std::to_string(21 * count + 1)});
        rows.push_back(
            {"var(1)+" + repeated("1+", count) + "1", "2", "var(0)+var(0)", std::to_string(2 * count + 6)});
    }
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.slot0.substr(0, 20) << " / " << row.term.substr(0, 20)
                                        << "... of " << row.term.size());
        std::array<std::string, 32> slots{row.slot0, row.slot1};
        EXPECT_EQ(Calculate(row.term, 0, 0, slots, 32, FixedClock), row.expected);
    }
    // A chain through every slot, each calling the next, is as long as a chain gets without a repeat.
    std::array<std::string, 32> chain{};
    for (std::size_t slot = 0; slot + 1 < chain.size(); ++slot)
        chain[slot] = "var(" + std::to_string(slot + 1) + ")+1";
    chain.back() = "1";
    EXPECT_EQ(Calculate("var(0)", 0, 0, chain, 32, FixedClock), "32");
    chain.back() = "var(0)";
    EXPECT_EQ(Calculate("var(0)", 0, 0, chain, 32, FixedClock), "Error (28)");
}

} // namespace
