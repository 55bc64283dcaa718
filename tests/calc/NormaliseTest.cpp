#include "calc/Normalise.h"
#include "calc/TermText.h"
#include "tests/calc/CalcTestSupport.h"

#include <random>

namespace {

using MODULCalc::ReplaceAll;

// Minus runs after every kind of character, and plus runs before them, where the rows shorten "+-".
TEST(Normalise, OneSweepMatchesTheRowsOnPlainTerms) {
    std::mt19937 rng(11);
    const std::string_view alphabet = "----++#^*/()5.";
    for (int round = 0; round < 20000; ++round) {
        std::string term(1 + rng() % 10, ' ');
        for (char& c : term) {
            c = alphabet[rng() % alphabet.size()];
        }
        ASSERT_EQ(MODULCalc::normaliseTerm(term), MODULCalc::normaliseByRows(term)) << term;
    }
}

// The straightforward reading: replace the first occurrence, then search again from the very start.
std::string replaceAllByRestarting(std::string text, const std::string& find, const std::string& replace) {
    for (auto pos = text.find(find); pos != std::string::npos; pos = text.find(find)) {
        text.replace(pos, find.size(), replace);
    }
    return text;
}

TEST(ReplaceAll, MatchesSearchingAgainFromTheStart) {
    std::mt19937 rng(7);
    const std::string alphabet = "ab-+";
    const auto randomText = [&](std::size_t maxLength) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, maxLength)(rng), ' ');
        for (char& c : text) {
            c = alphabet[rng() % alphabet.size()];
        }
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        const std::string text = randomText(16);
        const std::string find = randomText(3);
        const std::string replace = randomText(2);
        if (find.empty() || replace.find(find) != std::string::npos || replace.size() >= find.size()) {
            continue;
        }
        std::string actual = text;
        ReplaceAll(actual, find, replace);
        ASSERT_EQ(actual, replaceAllByRestarting(text, find, replace))
            << "'" << text << "' find '" << find << "' replace '" << replace << "'";
    }
}

} // namespace
