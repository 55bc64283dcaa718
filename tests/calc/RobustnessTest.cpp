#include "tests/calc/CalcTestSupport.h"

#include "calc/TermText.h"

#include <random>

namespace {

using MODULCalc::Calculate;

std::string Repeated(std::string_view Unit, std::size_t Count) {
    std::string Text;
    while (Count-- > 0) {
        Text += Unit;
    }
    return Text;
}

// However long the slot texts and however many calls a Term makes, slots that do not call themselves
// give their answer; only a slot that, on its own or through others, calls itself again is stopped.
TEST(Robustness, OnlySlotsThatCallThemselvesAreStopped) {
    struct Row {
        std::string Slot0, Slot1, Term, Expected;
    };
    std::vector<Row> Rows{
        {"var(0)+1", "", "var(0)", "Error (28)"},
        {"var(1)", "var(0)", "var(0)", "Error (28)"},
        {"1+var(1)", "var(0)+2", "2*var(0)", "Error (28)"},
    };
    for (const std::size_t Count : {3U, 810U, 2500U, 5000U}) {
        const std::string Calls = Repeated("var(0)+", Count) + "1";
        Rows.push_back(
            {Repeated("1+", Count) + "1", "", "var(0)+var(0)+var(0)+1", std::to_string(3 * Count + 4)});
        Rows.push_back({"sin(0)", "", Calls, "1"});
        Rows.push_back({"(1+2)*(3+4)", "", Calls, std::to_string(21 * Count + 1)});
        Rows.push_back(
            {"var(1)+" + Repeated("1+", Count) + "1", "2", "var(0)+var(0)", std::to_string(2 * Count + 6)});
    }
    for (const auto& Row : Rows) {
        SCOPED_TRACE(testing::Message() << Row.Slot0.substr(0, 20) << " / " << Row.Term.substr(0, 20)
                                        << "... of " << Row.Term.size());
        std::array<std::string, 32> Slots{Row.Slot0, Row.Slot1};
        EXPECT_EQ(Calculate(Row.Term, 0, 0, Slots, 32, FixedClock), Row.Expected);
    }
    // A chain through every slot, each calling the next, is as long as a chain gets without a repeat.
    std::array<std::string, 32> Chain{};
    for (std::size_t Slot = 0; Slot + 1 < Chain.size(); ++Slot) {
        Chain[Slot] = "var(" + std::to_string(Slot + 1) + ")+1";
    }
    Chain.back() = "1";
    EXPECT_EQ(Calculate("var(0)", 0, 0, Chain, 32, FixedClock), "32");
    Chain.back() = "var(0)";
    EXPECT_EQ(Calculate("var(0)", 0, 0, Chain, 32, FixedClock), "Error (28)");
    // A working term may grow to a million characters and more, but not without end.
    std::array<std::string, 32> Long{std::string(1 << 20, 'x')};
    EXPECT_EQ(Calculate("var(0)", 0, 0, Long, 32, FixedClock), "(" + Long[0] + ")");
    EXPECT_EQ(Calculate(Repeated("var(0)", 5), 0, 0, Long, 32, FixedClock), "Error (28)");
}

// Terms that reduce one step per pass, for thousands of passes, are never taken for runaway ones. Each
// stage looks again only where the previous ones changed the Term, so Terms whose shapes change along
// their length, and mixtures of the stages, must still get the answers of a full look at every pass.
TEST(Robustness, StepwiseTermsGiveTheirResultAtAnyLength) {
    ExpectPanelResults({
        {"(1)+(1=1)and(1)+(2)*(1)+1", "5"},
        {"(1)+(1)+(1=1)and(1=1)and(1)+1", "4"},
        {"not(1=1)and(1)+(2)*(3)^2", "18"},
        {"(1)^(2)+(1)+(3)/(2)#(2)*4", "(2+3/0*4)"},
        {"1+(1)+(1<2)or(1)+1", "4"},
        {"(2)*(1)+(1)eqv(1)+(0)#5", "3"},
    });
    EXPECT_EQ(PanelCalculate("0" + Repeated("+1.5", 100000)), "150000");
    for (const std::size_t Count : {10U, 900U, 5000U}) {
        const std::vector<std::pair<std::string, std::string>> Rows{
            {Repeated("not", Count) + "1", Count % 2 == 0 ? "1" : "0"},
            {std::string(Count, '(') + "1" + std::string(Count, ')'), "1"},
            {Repeated("sin(", Count) + "0" + std::string(Count, ')'), "0"},
            {Repeated("(1)+", Count) + "1", std::to_string(Count + 1)},
            {Repeated("(1=1)and", Count) + "(1=1)", "1"},
            {std::string(Count * 10 - 1, '-') + "1", "-1"},
            {Repeated("(1)+(1=1)and", Count) + "1", std::to_string(Count + 1)},
            {Repeated("(2)*(1<2)or(1)^", Count) + "1", "2"},
            {Repeated("not(1)+", Count) + "1", "1"},
        };
        for (const auto& [Term, Expected] : Rows) {
            SCOPED_TRACE(testing::Message() << Term.substr(0, 12) << "... of " << Term.size());
            EXPECT_EQ(PanelCalculate(Term), Expected);
        }
    }
}

// Positions count characters: a letter of several bytes, from any script, counts once.
// Bytes that form no well-formed sequence (overlong forms, surrogates, beyond U+10FFFF) count one by one.
TEST(Robustness, CharactersCountAsTheyAreWritten) {
    ExpectPanelResults({
        {"éé(P)", "(ééP)"},
        {"日本(P)", "(日本P)"},
        {"😀😀(2)*3", "(😀😀2*3)"},
        {"ü+1", "(ü+1)"},
        {"\xff\xfe(P)", "(\xff\xfeP)"},
        {"\xE0\x80\x80(P)", "(\xE0\x80\2003.1415926535)"},
        {"\xED\xA0\x80(P)", "(\xED\xA0\2003.1415926535)"},
        {"\xF4\x90\x80\x80(P)", "(\xF4\x90\x80\2003.1415926535)"},
        {"\xC0\xAF(P)", "(\xC0\xAFP)"},
        {"\xED\x9F\xBF(P)", "(\xED\x9F\xBFP)"},
        {"\xF4\x8F\xBF\xBF(P)", "(\xF4\x8F\xBF\xBFP)"},
    });
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
