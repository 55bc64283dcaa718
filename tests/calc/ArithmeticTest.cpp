#include "tests/calc/CalcTestSupport.h"

#include <cstdint>
#include <random>

namespace {

TEST(Arithmetic, LevelsPrecedenceAndUnreducedTerms) {
    ExpectPanelResults(ArithmeticRows);
}

TEST(Arithmetic, ErrorTexts) {
    ExpectPanelResults(ErrorRows);
}

// Random Terms of + and * with parentheses, built together with their exact value.
class IntegerTermMaker {
public:
    explicit IntegerTermMaker(unsigned Seed) : Rng(Seed) {}

    std::string Make(std::int64_t& Value) {
        OperandsLeft = 7;
        return Sum(Value, 0);
    }

private:
    bool Chance(int Percent) { return static_cast<int>(Rng() % 100) < Percent; }

    std::string Sum(std::int64_t& Value, int Depth) {
        std::string Text = Product(Value, Depth);
        while (OperandsLeft > 0 && Chance(40)) {
            std::int64_t Next = 0;
            Text += "+" + Product(Next, Depth);
            Value += Next;
        }
        return Text;
    }

    std::string Product(std::int64_t& Value, int Depth) {
        std::string Text = Factor(Value, Depth);
        while (OperandsLeft > 0 && Chance(40)) {
            std::int64_t Next = 0;
            Text += "*" + Factor(Next, Depth);
            Value *= Next;
        }
        return Text;
    }

    std::string Factor(std::int64_t& Value, int Depth) {
        if (Depth < 3 && OperandsLeft > 1 && Chance(30)) {
            return "(" + Sum(Value, Depth + 1) + ")";
        }
        --OperandsLeft;
        Value = static_cast<std::int64_t>(Rng() % 100);
        return std::to_string(Value);
    }

    std::mt19937 Rng;
    int OperandsLeft = 0;
};

TEST(Arithmetic, RandomSumsAndProductsMatchIntegerArithmetic) {
    IntegerTermMaker Maker(2026);
    for (int Round = 0; Round < 3000; ++Round) {
        std::int64_t Expected = 0;
        const std::string Term = Maker.Make(Expected);
        ASSERT_EQ(PanelCalculate(Term), std::to_string(Expected)) << "Term '" << Term << "'";
    }
}

} // namespace
