#include "tests/calc/CalcTestSupport.h"

#include "calc/Evaluation.h"

namespace {

using MODULCalc::Calculate;

std::string repeated(std::string_view unit, std::size_t count) {
    std::string text;
    while (count-- > 0) {
        text += unit;
    }
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
    for (std::size_t slot = 0; slot + 1 < chain.size(); ++slot) {
        chain[slot] = "var(" + std::to_string(slot + 1) + ")+1";
    }
    chain.back() = "1";
    EXPECT_EQ(Calculate("var(0)", 0, 0, chain, 32, FixedClock), "32");
    chain.back() = "var(0)";
    EXPECT_EQ(Calculate("var(0)", 0, 0, chain, 32, FixedClock), "Error (28)");
}

} // namespace
