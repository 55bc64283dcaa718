#include "calc/Normalise.h"

#include "calc/TermText.h"
#include "tests/calc/CalcTestSupport.h"

#include <random>

namespace {

using MODULCalc::NormaliseTerm;
using MODULCalc::ReplaceAll;

TEST(Normalise, ProducesTheCanonicalWorkingTerm) {
    const std::vector<CalcRow> Rows{
        {"1,5 + 2", "(1.5+2)"}, {"7:2", "(7/2)"},       {"50%", "(50/100)"},    {"[2+3]*{4}", "((2+3)*(4))"},
        {"1e+5", "(1E5)"},      {"1E+5", "(1E5)"},      {"2.5e-3", "(2.5E-3)"}, {"5--3", "(5+3)"},
        {"5---3", "(5+-3)"},    {"2*-3", "(2*-3)"},     {"4/-2", "(4/-2)"},     {"5#-3", "(5#-3)"},
        {"-5", "(-5)"},         {"-(2)", "(-(2))"},     {"{-2}*3", "((-2)*3)"}, {"[-5]", "((-5))"},
        {"SIN(0)", "(sin(0))"}, {"Sin(0)", "(sin(0))"}, {"p", "(P)"},           {"P", "(P)"},
        {"Pi", "(Pi)"},         {"5++3", "(5++3)"},     {"5 - -3", "(5+-+-3)"}, {"2^-1", "(2^-1)"},
        {"1 EQV 0", "(1eqv0)"}, {"eEqV", "(Eeqv)"},     {"E++1", "(E+1)"},      {"a-b", "(a+-b)"},
    };
    for (const auto& Row : Rows) {
        SCOPED_TRACE(testing::Message() << "Term '" << Row.Term << "'");
        EXPECT_EQ(NormaliseTerm(Row.Term).value_or("<empty>"), Row.Expected);
    }
    EXPECT_FALSE(NormaliseTerm("").has_value());
    EXPECT_FALSE(NormaliseTerm("    ").has_value());
}

// The straightforward reading: replace the first occurrence, then search again from the very start.
std::string ReplaceAllByRestarting(std::string Text, const std::string& Find, const std::string& Replace) {
    for (auto Pos = Text.find(Find); Pos != std::string::npos; Pos = Text.find(Find)) {
        Text.replace(Pos, Find.size(), Replace);
    }
    return Text;
}

TEST(ReplaceAll, MatchesSearchingAgainFromTheStart) {
    const std::vector<std::array<std::string, 3>> Fixed{
        {"---", "--", "+"}, {"5++++-3", "++-", "+-"}, {"0and0and1", "0and0", "0"}, {"E++", "E+", "E"}};
    for (const auto& [Text, Find, Replace] : Fixed) {
        std::string Actual = Text;
        ReplaceAll(Actual, Find, Replace);
        EXPECT_EQ(Actual, ReplaceAllByRestarting(Text, Find, Replace)) << Text;
    }
    EXPECT_EQ(
        [] {
            std::string T = "---";
            ReplaceAll(T, "--", "+");
            return T;
        }(),
        "+-");

    std::mt19937 Rng(7);
    const std::string Alphabet = "ab-+";
    const auto RandomText = [&](std::size_t MaxLength) {
        std::string Text(std::uniform_int_distribution<std::size_t>(0, MaxLength)(Rng), ' ');
        for (char& C : Text) {
            C = Alphabet[Rng() % Alphabet.size()];
        }
        return Text;
    };
    for (int Round = 0; Round < 3000; ++Round) {
        const std::string Text = RandomText(16);
        const std::string Find = RandomText(3);
        const std::string Replace = RandomText(2);
        if (Find.empty() || Replace.find(Find) != std::string::npos || Replace.size() >= Find.size()) {
            continue;
        }
        std::string Actual = Text;
        ReplaceAll(Actual, Find, Replace);
        ASSERT_EQ(Actual, ReplaceAllByRestarting(Text, Find, Replace))
            << "'" << Text << "' find '" << Find << "' replace '" << Replace << "'";
    }
}

TEST(TermText, EmptyOperandsCarryNoDigit) {
    for (const std::string_view Operand : {"", "-", ".", "E", "-.", "-.E", "EE"}) {
        EXPECT_TRUE(MODULCalc::IsEmptyOperand(Operand)) << Operand;
    }
    for (const std::string_view Operand : {"P", "0", "-.5", "E1", "x"}) {
        EXPECT_FALSE(MODULCalc::IsEmptyOperand(Operand)) << Operand;
    }
}

TEST(Normalise, IsIdempotentOnItsOwnInnerText) {
    // Without exponent letters: an "E" followed by "--" becomes "E+", which only a second normalisation
    // would drop.
    const std::string Alphabet = "0123456789+-*/^#().,:%[]{}abxPp";
    std::mt19937 Rng(11);
    for (int Round = 0; Round < 5000; ++Round) {
        std::string Term(Rng() % 24 + 1, ' ');
        for (char& C : Term) {
            C = Alphabet[Rng() % Alphabet.size()];
        }
        const auto Once = NormaliseTerm(Term);
        if (!Once) {
            continue;
        }
        const auto Twice = NormaliseTerm(Once->substr(1, Once->size() - 2));
        ASSERT_TRUE(Twice.has_value()) << Term;
        ASSERT_EQ(*Twice, *Once) << "Term '" << Term << "'";
    }
}

} // namespace
