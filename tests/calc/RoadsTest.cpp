#include "calc/Evaluation.h"
#include "calc/LongTerm.h"
#include "calc/Normalise.h"
#include "calc/ShortTerm.h"
#include "tests/calc/CalcTestSupport.h"

#include <random>

namespace {

using namespace MODULCalc;

// Runs of units that each reduce in a pass or a few, switching now and then so that the place where a
// pass acts wanders along the Term; every unit alone makes one of the long shapes.
constexpr std::array<std::string_view, 17> Units{"(1)+",     "(1=1)and", "not",    "sin(",    "(",    "(2)*",
                                                 "(1)#",     "1+",       "-",      "(1<2)or", "(1)^", "(3)/",
                                                 "(1=0)xor", "abs(",     "(1)eqv", "(0)#",    "(2)+"};

std::string stepwise(std::mt19937& rng, std::size_t length, std::size_t switchEvery) {
    std::string term;
    std::size_t opened = 0;
    std::string_view unit = Units[rng() % Units.size()];
    while (term.size() < length) {
        if (rng() % switchEvery == 0) {
            unit = Units[rng() % Units.size()];
        }
        term += unit;
        opened += unit.back() == '(' ? 1 : 0;
        if (rng() % 50 == 0) {
            term += std::to_string(rng() % 1000);
        }
    }
    return term + (rng() % 2 ? "1" : "(1=1)") + std::string(rng() % 8 == 0 ? 0 : opened, ')');
}

std::string scrambled(std::mt19937& rng) {
    constexpr std::array<std::string_view, 40> Pieces{
        "0",   "1",   "2",   "9",   ".5",  "7",   "1E5", "2e-3", "P",  "+",   "-",  "*",   "/",   "^",
        "#",   "(",   ")",   "=",   "<",   ">",   "|",   "<>",   ">=", "and", "or", "not", "xor", "eqv",
        "sin", "cnt", "abs", "log", "rnd", "fix", "x",   " ",    ",",  "%",   "[",  "}"};
    std::string term;
    for (std::size_t count = 1 + rng() % 30; count > 0; --count) {
        term += Pieces[rng() % Pieces.size()];
    }
    return term;
}

std::string road(const std::string& normalised, bool basicOnly, bool shortRoad) {
    const std::array<std::string, 32> slots{};
    Evaluation eval{slots, 32, Random(FixedClock)};
    try {
        if (!shortRoad) {
            return reduceLong(normalised, basicOnly, eval);
        }
        auto outcome = reduceShort(normalised, basicOnly, eval);
        EXPECT_TRUE(outcome.finished);
        return outcome.text;
    } catch (const CalcFault& failure) {
        return faultText(failure.code);
    }
}

// Calculate takes the short road for short Terms and the long one for long Terms and for those that call
// var. Both must give the same answer on any Term, short or long, of every long shape and their mixes.
TEST(Roads, ShortAndLongGiveTheSameAnswers) {
    std::mt19937 rng(2025);
    std::vector<std::string> terms;
    const auto add = [&terms](int count, const auto& make) {
        while (count-- > 0) {
            terms.push_back(make());
        }
    };
    add(4000, [&] { return scrambled(rng); });
    add(150, [&] { return stepwise(rng, 20 + rng() % 400, 12); });
    add(12, [&] { return stepwise(rng, 1500 + rng() % 1500, 1 + rng() % 400); });
    for (std::size_t shape = 0; shape < Units.size(); ++shape) {
        std::string term;
        while (term.size() < 1200) {
            term += Units[shape];
        }
        terms.push_back(term + "1" + std::string(Units[shape].back() == '(' ? 1200 : 0, ')'));
    }
    for (const auto& term : terms) {
        const auto normalised = normaliseTerm(term);
        if (!normalised) {
            continue;
        }
        SCOPED_TRACE(testing::Message() << "Term '" << term.substr(0, 60) << "' of " << term.size());
        for (const bool basicOnly : {false, true}) {
            ASSERT_EQ(road(*normalised, basicOnly, true), road(*normalised, basicOnly, false));
        }
    }
}

} // namespace
