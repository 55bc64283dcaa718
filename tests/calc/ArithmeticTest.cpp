#include "tests/calc/CalcTestSupport.h"

#include <cstdint>
#include <random>

namespace {

TEST(Answers, AsThePanelShowsThem) {
    for (const auto* rows : AllRows)
        for (const auto& row : *rows)
            EXPECT_EQ(panelCalculate(row.term), row.expected) << "Term '" << row.term << "'";
}

// A random sum of products of numbers below 100 and of parenthesised sums, at most `Budget` numbers in
// all so that the value keeps to fifteen digits; `Sum` receives its exact value.
std::string randomSum(std::mt19937& rng, int& budget, int depth, std::int64_t& sum) {
    const auto chance = [&](unsigned percent) { return budget > 0 && rng() % 100 < percent; };
    std::string text;
    sum = 0;
    do {
        std::string factors;
        std::int64_t product = 1;
        do {
            std::int64_t factor = rng() % 100;
            std::string part = std::to_string(factor);
            if (depth < 3 && budget > 1 && chance(30))
                part = "(" + randomSum(rng, budget, depth + 1, factor) + ")";
            else
                --budget;
            factors += (factors.empty() ? "" : "*") + part;
            product *= factor;
        } while (chance(40));
        text += (text.empty() ? "" : "+") + factors;
        sum += product;
    } while (chance(40));
    return text;
}

TEST(Arithmetic, RandomSumsAndProductsMatchIntegerArithmetic) {
    std::mt19937 rng(2026);
    for (int round = 0; round < 3000; ++round) {
        int budget = 7;
        std::int64_t expected = 0;
        const std::string term = randomSum(rng, budget, 0, expected);
        ASSERT_EQ(panelCalculate(term), std::to_string(expected)) << "Term '" << term << "'";
    }
}

} // namespace
