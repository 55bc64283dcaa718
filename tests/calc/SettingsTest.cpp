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
    slots[3] = "=1";
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
        {"2<var(3)", 0, 0, 32, "0"},
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
    EXPECT_EQ(Calculate("rnd(0)", 0, 0, slots, 32, FixedClock), "0");
    EXPECT_EQ(Calculate("rnd(1)=rnd(1)", 0, 0, slots, 32, FixedClock), "0");
    int differing = 0;
    for (int second = 0; second < 200; ++second) {
        const std::string drawn = Calculate("rnd(10)", 0, 0, slots, 32, second);
        ASSERT_EQ(drawn, Calculate("rnd(10)", 0, 0, slots, 32, second));
        const double value = std::strtod(drawn.c_str(), nullptr);
        ASSERT_TRUE(value >= 0.0 && value < 10.0) << drawn;
        differing += drawn != Calculate("rnd(10)", 0, 0, slots, 32, second + 1) ? 1 : 0;
    }
    EXPECT_GT(differing, 190);
}

std::string repeated(std::string_view unit, std::size_t count) {
    std::string text;
    while (count-- > 0)
        text += unit;
    return text;
}

// Slots 0 to levels - 1 each holding link with every "#" replaced by a call of the next slot; the last
// holding end.
std::array<std::string, 32> linked(std::size_t levels, std::string_view link, std::string end) {
    std::array<std::string, 32> slots{};
    for (std::size_t slot = 0; slot < levels; ++slot)
        for (const char c : link)
            slots[slot] += c == '#' ? "var(" + std::to_string(slot + 1) + ")" : std::string(1, c);
    slots[levels] = std::move(end);
    return slots;
}

// Every slot set that keeps var calling, growing the Term or not, ends with "Error (28)" after the same
// work on every machine; Terms without var, however long, and slots that are only read many times or hold
// long Terms, keep their answers.
TEST(WorkBound, EndsEveryRunawayAndNothingElse) {
    struct Row {
        std::array<std::string, 32> slots;
        std::string term, expected;
    };
    const auto two = [](std::string slot0, std::string slot1) {
        return std::array<std::string, 32>{std::move(slot0), std::move(slot1)};
    };
    const std::string ones = repeated("1+", 2500) + "1";
    std::vector<Row> rows{
        {two("var(0)+1", ""), "var(0)", "Error (28)"},
        {two("var(1)", "var(0)"), "var(0)", "Error (28)"},
        {two("1+var(1)", "var(0)+2"), "2*var(0)", "Error (28)"},
        {linked(31, "#+1", "var(0)"), "var(0)", "Error (28)"},
        {linked(31, "#+#", "1"), "var(0)", "Error (28)"},
        {linked(31, "##", "x"), "var(0)", "Error (28)"},
        {two("2*var(0)", ""), "var(0)", "Overflow"},
        {linked(31, "#+1", "1"), "var(0)", "32"},
        {linked(11, "#+#", "1"), "var(0)", "2048"},
        {linked(12, "#+#", "1"), "var(0)", "Error (28)"},
        {two("", "1+2"), repeated("var(1)+", 5000) + "1", "15001"},
        {two("var(1)+" + ones, "2"), "var(0)+var(0)", "5006"},
        {two(repeated("1+", 50000) + "1", ""), "var(0)", "50001"},
        {two(std::string(100000, 'x'), ""), "var(0)", "(" + std::string(100000, 'x') + ")"},
        // A call beside a Term that then takes 18,000 passes.
        {two("", "1"), "var(1)+<" + repeated("1()", 18000), "(1+<" + std::string(18000, '1') + ")"},
        // Slot-free Terms whose reduction joins one growing run of digits.
        {{}, "<" + repeated("1()", 33333), "(<" + std::string(33333, '1') + ")"},
        {{}, repeated("1()", 33333) + "=", "(" + std::string(33333, '1') + "=)"},
        {{}, "*" + repeated("1()", 33333), "(*" + std::string(33333, '1') + ")"},
        {{},
         ">=E<pfix<>" + repeated("]9,(", 24997) + "|++sqrlog1",
         "(>=E<Pfix<>)" + repeated("9.", 24997) + "(|++sqrlog1)"},
    };
    // Eight calls of another slot push the call of slot 0 far from where it was made, whatever follows.
    for (const std::string tail :
         {"*0+var(0)", "*0+var(0)+1", "*0+var(0)1", "*0+1var(0)", "*0+var(0)x", "*0+(var(0))", "var(0)"})
        rows.push_back({two(repeated("var(1)", 8) + tail, "1"), "var(0)", "Error (28)"});
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.slots[0].substr(0, 30) << " / " << row.term.substr(0, 30)
                                        << "... of " << row.term.size());
        EXPECT_EQ(Calculate(row.term, 0, 0, row.slots, 32, FixedClock), row.expected);
    }
}

} // namespace
