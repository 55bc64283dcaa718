#include "tests/calc/CalcTestSupport.h"

#include <random>

namespace {

using MODULCalc::Calculate;

TEST(Robustness, SelfReferringSlotsEndWithAnErrorText) {
    struct Row {
        std::string Slot0;
        std::string Slot1;
    };
    // Growing by one operation, by one pair of parentheses, by a whole chain of additions, and a cycle of
    // two slots that never grows at all.
    const std::vector<Row> Rows{
        {"var(0)+1", ""},
        {"(var(0))", ""},
        {"var(0)+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1", ""},
        {"var(1)", "var(0)"},
        {"var(0)*var(0)", ""},
    };
    for (const auto& Row : Rows) {
        SCOPED_TRACE(Row.Slot0 + " / " + Row.Slot1);
        std::array<std::string, 32> Slots{};
        Slots[0] = Row.Slot0;
        Slots[1] = Row.Slot1;
        EXPECT_EQ(Calculate("var(0)", 0, 0, Slots, 32, FixedClock), "Error (28)");
    }
}

TEST(Robustness, LongTermsStillReduce) {
    std::string Sum = "0";
    for (int Index = 0; Index < 100000; ++Index) {
        Sum += "+1.5";
    }
    EXPECT_EQ(PanelCalculate(Sum), "150000");
    const std::string Nested = std::string(800, '(') + "7" + std::string(800, ')');
    EXPECT_EQ(PanelCalculate(Nested), "7");
}

TEST(Robustness, RandomBytesNeverThrow) {
    std::mt19937 Rng(99);
    const std::string Favoured = "0123456789+-*/^#()=<>|.,EPepvar(and)or not eqv xor sin cnt ";
    for (int Round = 0; Round < 4000; ++Round) {
        const auto RandomText = [&](std::size_t MaxLength) {
            std::string Text(Rng() % (MaxLength + 1), ' ');
            for (char& C : Text) {
                C = Rng() % 2 ? Favoured[Rng() % Favoured.size()] : static_cast<char>(Rng() % 256);
            }
            return Text;
        };
        std::array<std::string, 32> Slots{};
        for (auto& Slot : Slots) {
            Slot = Rng() % 4 == 0 ? RandomText(12) : "";
        }
        const std::string Term = RandomText(48);
        const auto Flags = static_cast<std::int16_t>(Rng() % 2 ? -1 : 0);
        EXPECT_NO_THROW(Calculate(Term, 0, Flags, Slots, static_cast<std::int16_t>(Rng() % 40), Round))
            << "Term '" << Term << "'";
    }
}

} // namespace
