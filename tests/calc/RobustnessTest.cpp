#include "tests/calc/CalcTestSupport.h"

#include "calc/TermText.h"

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
}

std::string Repeated(std::string_view Unit, std::size_t Count) {
    std::string Text;
    for (std::size_t Index = 0; Index < Count; ++Index) {
        Text += Unit;
    }
    return Text;
}

// Terms that reduce one step per pass, for thousands of passes, are never taken for runaway ones.
TEST(Robustness, TermsThatReduceGiveTheirResultAtAnyLength) {
    for (const std::size_t Count : {10U, 900U, 5000U}) {
        const struct {
            std::string Term;
            std::string Expected;
        } Rows[] = {
            {Repeated("not", Count) + "1", Count % 2 == 0 ? "1" : "0"},
            {std::string(Count, '(') + "1" + std::string(Count, ')'), "1"},
            {Repeated("sin(", Count) + "0" + std::string(Count, ')'), "0"},
            {Repeated("(1)+", Count) + "1", std::to_string(Count + 1)},
            {Repeated("(1=1)and", Count) + "(1=1)", "1"},
            {std::string(Count * 10 - 1, '-') + "1", "-1"},
        };
        for (const auto& Row : Rows) {
            SCOPED_TRACE(testing::Message() << Row.Term.substr(0, 12) << "... of " << Row.Term.size());
            EXPECT_EQ(PanelCalculate(Row.Term), Row.Expected);
        }
    }
}

// Each stage looks again only where the previous ones changed the Term, so Terms whose shapes change along
// their length, and mixtures of the stages, must still get the answers of a full look at every pass.
TEST(Robustness, MixedStepwiseTermsGiveTheirResult) {
    const std::vector<CalcRow> Rows{
        {"(1)+(1=1)and(1)+(2)*(1)+1", "5"}, {"(1)+(1)+(1=1)and(1=1)and(1)+1", "4"},
        {"not(1=1)and(1)+(2)*(3)^2", "18"}, {"(1)^(2)+(1)+(3)/(2)#(2)*4", "(2+3/0*4)"},
        {"1+(1)+(1<2)or(1)+1", "4"},        {"(2)*(1)+(1)eqv(1)+(0)#5", "3"},
    };
    ExpectPanelResults(Rows);
    for (const std::size_t Count : {10U, 900U, 3000U}) {
        SCOPED_TRACE(Count);
        EXPECT_EQ(PanelCalculate(Repeated("(1)+(1=1)and", Count) + "1"), std::to_string(Count + 1));
        EXPECT_EQ(PanelCalculate(Repeated("(2)*(1<2)or(1)^", Count) + "1"), "2");
        EXPECT_EQ(PanelCalculate(Repeated("not(1)+", Count) + "1"), "1");
    }
}

// Positions count characters: a letter of several bytes, from any script, counts once.
TEST(Robustness, LettersOfAnyScriptCountAsOneCharacter) {
    const std::vector<CalcRow> Rows{
        {"xx(P)", "(xxP)"},
        {"éé(P)", "(ééP)"},
        {"日本(P)", "(日本P)"},
        {"Ωμέγα(1+2)", "(Ωμέγα3)"},
        {"😀😀(2)*3", "(😀😀2*3)"},
        {"ü+1", "(ü+1)"},
        {"\xff\xfe(P)", "(\xff\xfeP)"},
    };
    ExpectPanelResults(Rows);
}

TEST(Robustness, RandomBytesGiveAnAnswer) {
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
        const std::string Answer =
            Calculate(Term, 0, Flags, Slots, static_cast<std::int16_t>(Rng() % 40), Round);
        SCOPED_TRACE(testing::Message() << "Term '" << Term << "'");
        EXPECT_NE(Answer, "Error (51)");
        // Only a slot, through var, can make a Term vanish.
        if (!MODULCalc::TrimBlanks(Term).empty() &&
            MODULCalc::ToUpperAscii(Term).find("VAR") == std::string::npos) {
            EXPECT_FALSE(Answer.empty());
        }
    }
}

} // namespace
