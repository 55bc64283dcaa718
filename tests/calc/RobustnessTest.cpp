#include "tests/calc/CalcTestSupport.h"

#include "calc/TermText.h"

#include <random>

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
// give their answer; only a slot that, on its own or through others, calls itself again is stopped.
TEST(Robustness, OnlySlotsThatCallThemselvesAreStopped) {
    struct row {
        std::string slot0, slot1, term, expected;
    };
    std::vector<row> rows{
        {"var(0)+1", "", "var(0)", "Error (28)"},
        {"var(1)", "var(0)", "var(0)", "Error (28)"},
        {"1+var(1)", "var(0)+2", "2*var(0)", "Error (28)"},
    };
    for (const std::size_t count : {3U, 810U, 2500U, 5000U}) {
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
    // A working term may grow to a million characters and more, but not without end.
    std::array<std::string, 32> longSlot{std::string(1 << 20, 'x')};
    EXPECT_EQ(Calculate("var(0)", 0, 0, longSlot, 32, FixedClock), "(" + longSlot[0] + ")");
    EXPECT_EQ(Calculate(repeated("var(0)", 5), 0, 0, longSlot, 32, FixedClock), "Error (28)");
}

// Terms that reduce one step per pass, for thousands of passes, are never taken for runaway ones. Each
// stage looks again only where the previous ones changed the Term, so Terms whose shapes change along
// their length, and mixtures of the stages, must still get the answers of a full look at every pass.
TEST(Robustness, StepwiseTermsGiveTheirResultAtAnyLength) {
    expectPanelResults({
        {"(1)+(1=1)and(1)+(2)*(1)+1", "5"},
        {"(1)+(1)+(1=1)and(1=1)and(1)+1", "4"},
        {"not(1=1)and(1)+(2)*(3)^2", "18"},
        {"(1)^(2)+(1)+(3)/(2)#(2)*4", "(2+3/0*4)"},
        {"1+(1)+(1<2)or(1)+1", "4"},
        {"(2)*(1)+(1)eqv(1)+(0)#5", "3"},
    });
    EXPECT_EQ(panelCalculate("0" + repeated("+1.5", 100000)), "150000");
    for (const std::size_t count : {10U, 900U, 5000U}) {
        const std::vector<std::pair<std::string, std::string>> rows{
            {repeated("not", count) + "1", count % 2 == 0 ? "1" : "0"},
            {std::string(count, '(') + "1" + std::string(count, ')'), "1"},
            {repeated("sin(", count) + "0" + std::string(count, ')'), "0"},
            {repeated("(1)+", count) + "1", std::to_string(count + 1)},
            {repeated("(1=1)and", count) + "(1=1)", "1"},
            {std::string(count * 10 - 1, '-') + "1", "-1"},
            {repeated("(1)+(1=1)and", count) + "1", std::to_string(count + 1)},
            {repeated("(2)*(1<2)or(1)^", count) + "1", "2"},
            {repeated("not(1)+", count) + "1", "1"},
        };
        for (const auto& [term, expected] : rows) {
            SCOPED_TRACE(testing::Message() << term.substr(0, 12) << "... of " << term.size());
            EXPECT_EQ(panelCalculate(term), expected);
        }
    }
}

// Positions count characters: a letter of several bytes, from any script, counts once.
// Bytes that form no well-formed sequence (overlong forms, surrogates, beyond U+10FFFF) count one by one.
TEST(Robustness, CharactersCountAsTheyAreWritten) {
    expectPanelResults({
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
    std::mt19937 rng(99);
    const std::string favoured = "0123456789+-*/^#()=<>|.,EPepvar(and)or not eqv xor sin cnt ";
    for (int round = 0; round < 4000; ++round) {
        const auto randomText = [&](std::size_t maxLength) {
            std::string text(rng() % (maxLength + 1), ' ');
            for (char& c : text) {
                c = rng() % 2 ? favoured[rng() % favoured.size()] : static_cast<char>(rng() % 256);
            }
            return text;
        };
        std::array<std::string, 32> slots{};
        for (auto& slot : slots) {
            slot = rng() % 4 == 0 ? randomText(12) : "";
        }
        const std::string term = randomText(48);
        const auto flags = static_cast<std::int16_t>(rng() % 2 ? -1 : 0);
        const std::string answer =
            Calculate(term, 0, flags, slots, static_cast<std::int16_t>(rng() % 40), round);
        SCOPED_TRACE(testing::Message() << "Term '" << term << "'");
        EXPECT_NE(answer, "Error (51)");
        // Only a slot, through var, can make a Term vanish.
        if (!MODULCalc::trimBlanks(term).empty() &&
            MODULCalc::toUpperAscii(term).find("VAR") == std::string::npos) {
            EXPECT_FALSE(answer.empty());
        }
    }
}

} // namespace
