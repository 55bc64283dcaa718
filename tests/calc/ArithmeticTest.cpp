#include "tests/calc/CalcTestSupport.h"

#include <cstdint>
#include <random>

namespace {

TEST(Answers, AsThePanelShowsThem) {
    for (const auto* Rows : AllRows) {
        ExpectPanelResults(*Rows);
    }
}

// A random sum of products of numbers below 100 and of parenthesised sums, at most `Budget` numbers in
// all so that the value keeps to fifteen digits; `Sum` receives its exact value.
std::string RandomSum(std::mt19937& Rng, int& Budget, int Depth, std::int64_t& Sum) {
    const auto Chance = [&](unsigned Percent) { return Budget > 0 && Rng() % 100 < Percent; };
    std::string Text;
    Sum = 0;
    do {
        std::string Factors;
        std::int64_t Product = 1;
        do {
            std::int64_t Factor = Rng() % 100;
            std::string Part = std::to_string(Factor);
            if (Depth < 3 && Budget > 1 && Chance(30)) {
                Part = "(" + RandomSum(Rng, Budget, Depth + 1, Factor) + ")";
            } else {
                --Budget;
            }
            Factors += (Factors.empty() ? "" : "*") + Part;
            Product *= Factor;
        } while (Chance(40));
        Text += (Text.empty() ? "" : "+") + Factors;
        Sum += Product;
    } while (Chance(40));
    return Text;
}

TEST(Arithmetic, RandomSumsAndProductsMatchIntegerArithmetic) {
    std::mt19937 Rng(2026);
    for (int Round = 0; Round < 3000; ++Round) {
        int Budget = 7;
        std::int64_t Expected = 0;
        const std::string Term = RandomSum(Rng, Budget, 0, Expected);
        ASSERT_EQ(PanelCalculate(Term), std::to_string(Expected)) << "Term '" << Term << "'";
    }
}

} // namespace
