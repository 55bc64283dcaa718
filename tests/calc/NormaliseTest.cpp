#include "calc/Normalise.h"
#include "calc/TermText.h"
#include "tests/calc/CalcTestSupport.h"

#include <random>

namespace {

using MODULCalc::ReplaceAll;

// Case, blanks, brackets, signs, exponents, pi, the decimal comma and per cent, as the answers show them.
TEST(Normalise, AnswersShowTheCanonicalForm) {
    ExpectPanelResults({
        {"1,5 + 2", "3.5"}, {"7:2", "3.5"},         {"50%", ".5"},    {"[2+3]*{4}", "20"},
        {"1e+5", "1E5"},    {"1E+5*1", "100000"},   {"5--3", "8"},    {"5---3", "2"},
        {"2*-3", "-6"},     {"4/-2", "-2"},         {"5#-3", "2"},    {"-(2)", "-2"},
        {"{-2}*3", "-6"},   {"[-5]", "-5"},         {"SIN(0)", "0"},  {"Pi", "(Pi)"},
        {"5++3", "(5++3)"}, {"5 - -3", "(5+-+-3)"}, {"1 EQV 0", "0"}, {"eEqV", "(Eeqv)"},
        {"E++1", "(E+1)"},  {"a-b", "(a+-b)"},
    });
}

// Minus runs after every kind of character, and plus runs before them, where the rows shorten "+-".
TEST(Normalise, OneSweepMatchesTheRowsOnPlainTerms) {
    std::mt19937 Rng(11);
    const std::string_view Alphabet = "----++#^*/()5.";
    for (int Round = 0; Round < 20000; ++Round) {
        std::string Term(1 + Rng() % 10, ' ');
        for (char& C : Term) {
            C = Alphabet[Rng() % Alphabet.size()];
        }
        ASSERT_EQ(MODULCalc::NormaliseTerm(Term), MODULCalc::NormaliseByRows(Term)) << Term;
    }
}

// The straightforward reading: replace the first occurrence, then search again from the very start.
std::string ReplaceAllByRestarting(std::string Text, const std::string& Find, const std::string& Replace) {
    for (auto Pos = Text.find(Find); Pos != std::string::npos; Pos = Text.find(Find)) {
        Text.replace(Pos, Find.size(), Replace);
    }
    return Text;
}

TEST(ReplaceAll, MatchesSearchingAgainFromTheStart) {
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

} // namespace
