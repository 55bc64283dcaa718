// Each fast path of the engine against the plain reading it replaces, on random input.
#include "calc/Evaluation.h"
#include "calc/Normalise.h"
#include "calc/NumberText.h"
#include "calc/Reduce.h"
#include "calc/TermText.h"
#include "tests/calc/CalcTestSupport.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>

namespace {

using namespace MODULCalc;

// Runs of units that each reduce in a pass or a few, switching now and then so that the place where a
// pass acts wanders along the Term; every unit alone makes one of the long shapes.
constexpr std::array<std::string_view, 19> Units{
    "(1)+", "(1=1)and", "not",      "sin(", "(",      "(2)*", "(1)#", "1+",  "-",   "(1<2)or",
    "(1)^", "(3)/",     "(1=0)xor", "abs(", "(1)eqv", "(0)#", "(2)+", "1()", "]9,("};

std::string stepwise(std::mt19937& rng, std::size_t length, std::size_t switchEvery) {
    std::string term;
    std::size_t opened = 0;
    std::string_view unit = Units[rng() % Units.size()];
    while (term.size() < length) {
        if (rng() % switchEvery == 0)
            unit = Units[rng() % Units.size()];
        term += unit;
        opened += unit.back() == '(' ? 1 : 0;
        if (rng() % 50 == 0)
            term += std::to_string(rng() % 1000);
    }
    return term + (rng() % 2 ? "1" : "(1=1)") + std::string(rng() % 8 == 0 ? 0 : opened, ')');
}

// Calculate looks at the whole text on every pass of a short Term, and follows the changes of a long one
// and of any Term that calls var. Both must give the same answer on any Term, short or long, of every
// long shape and their mixes.
TEST(Roads, WholeLooksAndFollowedChangesGiveTheSameAnswers) {
    std::mt19937 rng(2025);
    std::vector<std::string> terms;
    for (const auto* rows : AllRows)
        for (const auto& row : *rows)
            terms.emplace_back(row.term);
    std::generate_n(
        std::back_inserter(terms), 150, [&] { return stepwise(rng, 20 + rng() % 400, 12); });
    std::generate_n(std::back_inserter(terms), 12,
                    [&] { return stepwise(rng, 1500 + rng() % 1500, 1 + rng() % 400); });
    for (std::size_t shape = 0; shape < Units.size(); ++shape) {
        std::string term;
        while (term.size() < 1200)
            term += Units[shape];
        terms.push_back(term + "1" + std::string(Units[shape].back() == '(' ? 1200 : 0, ')'));
    }
    const std::array<std::string, 32> slots{};
    const auto road = [&](const std::string& normalised, bool basicOnly, bool followChanges) {
        Evaluation eval{slots, 32, Random(FixedClock)};
        try {
            return reduceTerm(normalised, basicOnly, eval, followChanges);
        } catch (const CalcFault& failure) {
            return faultText(failure.code);
        }
    };
    for (const auto& term : terms) {
        const auto normalised = normaliseTerm(term);
        if (!normalised)
            continue;
        SCOPED_TRACE(testing::Message() << "Term '" << term.substr(0, 60) << "' of " << term.size());
        for (const bool basicOnly : {false, true})
            ASSERT_EQ(road(*normalised, basicOnly, true), road(*normalised, basicOnly, false));
    }
}

// The engine rounds most values itself; the C library's conversion is the reference, on random bit patterns
// of every magnitude, on quotients and on values exactly halfway between two 15-digit roundings.
TEST(NumberText, WritesTheCorrectlyRoundedFifteenDigitsOfAnyValue) {
    std::mt19937_64 rng(15);
    const auto check = [](double value) {
        char reference[64];
        std::snprintf(reference, sizeof reference, "%.14e", value);
        ASSERT_EQ(readNumber(writeResult(value).view()), std::strtod(reference, nullptr)) << reference;
    };
    for (int count = 0; count < 50'000; ++count) {
        const std::uint64_t exponent = 1003 + rng() % 72;
        check(std::bit_cast<double>((exponent << 52) | (rng() & ((std::uint64_t{1} << 52) - 1))));
        check(static_cast<double>(rng() % 100'000) / static_cast<double>(1 + rng() % 9'999));
        check(static_cast<double>(rng() % 100'000'000'000'000) + 0.5);
    }
}

// ReplaceAll sweeps once, and must give what searching again from the start after every replacement gives,
// where a replacement may make a new occurrence with what stands before or after it.
TEST(TermText, ReplaceAllGivesWhatSearchingAgainFromTheStartGives) {
    std::mt19937 rng(7);
    const auto text = [&](std::size_t length) {
        std::string made;
        std::generate_n(std::back_inserter(made), length, [&] { return "ab+-"[rng() % 4]; });
        return made;
    };
    for (int count = 0; count < 20'000; ++count) {
        const std::string find = text(1 + rng() % 3);
        const std::string replace = text(rng() % 5);
        if (replace.find(find) != std::string::npos)
            continue;
        std::string expected = text(rng() % 40);
        std::string swept = expected;
        // A replacement longer than what it replaces may make new occurrences without end ('+a' by 'aa++' in
        // '++a'): those are passed over, as no row of the engine is one.
        int replaced = 0;
        for (std::size_t at = expected.find(find); at != std::string::npos && replaced < 100;
             at = expected.find(find), ++replaced)
            expected.replace(at, find.size(), replace);
        if (replaced == 100)
            continue;
        ReplaceAll(swept, find, replace);
        ASSERT_EQ(swept, expected) << "'" << find << "' by '" << replace << "'";
    }
}

} // namespace
