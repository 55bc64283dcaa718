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

std::string Stepwise(std::mt19937& Rng, std::size_t Length, std::size_t Switch) {
    std::string Term;
    std::size_t Opened = 0;
    std::string_view Unit = Units[Rng() % Units.size()];
    while (Term.size() < Length) {
        if (Rng() % Switch == 0) {
            Unit = Units[Rng() % Units.size()];
        }
        Term += Unit;
        Opened += Unit.back() == '(' ? 1 : 0;
        if (Rng() % 50 == 0) {
            Term += std::to_string(Rng() % 1000);
        }
    }
    return Term + (Rng() % 2 ? "1" : "(1=1)") + std::string(Rng() % 8 == 0 ? 0 : Opened, ')');
}

std::string Scrambled(std::mt19937& Rng) {
    constexpr std::array<std::string_view, 40> Pieces{
        "0",   "1",   "2",   "9",   ".5",  "7",   "1E5", "2e-3", "P",  "+",   "-",  "*",   "/",   "^",
        "#",   "(",   ")",   "=",   "<",   ">",   "|",   "<>",   ">=", "and", "or", "not", "xor", "eqv",
        "sin", "cnt", "abs", "log", "rnd", "fix", "x",   " ",    ",",  "%",   "[",  "}"};
    std::string Term;
    for (std::size_t Count = 1 + Rng() % 30; Count > 0; --Count) {
        Term += Pieces[Rng() % Pieces.size()];
    }
    return Term;
}

std::string Road(const std::string& Normalised, std::int16_t BasicOnly, bool Short) {
    const std::array<std::string, 32> Slots{};
    Evaluation Eval{Slots, 32, Random(FixedClock)};
    try {
        if (!Short) {
            return ReduceLong(Normalised, BasicOnly, Eval);
        }
        auto Outcome = ReduceShort(Normalised, BasicOnly, Eval);
        EXPECT_TRUE(Outcome.Finished);
        return Outcome.Text;
    } catch (const CalcFault& Failure) {
        return FaultText(Failure.Code);
    }
}

// Calculate takes the short road for short Terms and the long one for long Terms and for those that call
// var. Both must give the same answer on any Term, short or long, of every long shape and their mixes.
TEST(Roads, ShortAndLongGiveTheSameAnswers) {
    std::mt19937 Rng(2025);
    std::vector<std::string> Terms;
    for (int Count = 0; Count < 4000; ++Count) {
        Terms.push_back(Scrambled(Rng));
    }
    for (int Count = 0; Count < 150; ++Count) {
        Terms.push_back(Stepwise(Rng, 20 + Rng() % 400, 12));
    }
    for (int Count = 0; Count < 12; ++Count) {
        Terms.push_back(Stepwise(Rng, 1500 + Rng() % 1500, 1 + Rng() % 400));
    }
    for (std::size_t Shape = 0; Shape < Units.size(); ++Shape) {
        std::string Term;
        while (Term.size() < 1200) {
            Term += Units[Shape];
        }
        Terms.push_back(Term + "1" + std::string(Units[Shape].back() == '(' ? 1200 : 0, ')'));
    }
    for (const auto& Term : Terms) {
        const auto Normalised = NormaliseTerm(Term);
        if (!Normalised) {
            continue;
        }
        SCOPED_TRACE(testing::Message() << "Term '" << Term.substr(0, 60) << "' of " << Term.size());
        for (const std::int16_t BasicOnly : {0, -1}) {
            ASSERT_EQ(Road(*Normalised, BasicOnly, true), Road(*Normalised, BasicOnly, false));
        }
    }
}

} // namespace
