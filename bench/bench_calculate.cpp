#include "calc/MODULCalc.h"

#include <array>
#include <benchmark/benchmark.h>
#include <random>
#include <string>
#include <string_view>

namespace {

const std::array<std::string, 32> Slots{};

// A Term of about Length characters as people type them: decimals, the four operations, parentheses a
// few levels deep and the odd function call.
std::string TypicalTerm(std::size_t Length) {
    std::mt19937 Rng(42);
    const std::array<std::string, 8> Pieces{"(12.5+3)*2", "7/4",     "sqr(16)*1.5", "(3-(4*2))",
                                            "2^3",        "abs(-7)", "100%",        "(1.25+(6/3-1)*4)"};
    const std::string Operators = "+-*/";
    std::string Term = Pieces[0];
    while (Term.size() < Length) {
        Term += Operators[Rng() % Operators.size()];
        Term += Pieces[Rng() % Pieces.size()];
    }
    return Term;
}

void ShortTerms(benchmark::State& State) {
    const std::array<std::string, 6> Terms{"1+2*3",       "(12.5+3)*2-7/4", "sin(P/4)^2+cos(P/4)^2",
                                           "(2+2)=4and1", "help sin",       "-5*3+10#4"};
    std::size_t Next = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(MODULCalc::Calculate(Terms[Next], 0, 0, Slots, 32, 1.0));
        Next = (Next + 1) % Terms.size();
    }
}
BENCHMARK(ShortTerms);

void LongTerm(benchmark::State& State) {
    const std::string Term = TypicalTerm(static_cast<std::size_t>(State.range(0)));
    for (auto _ : State) {
        benchmark::DoNotOptimize(MODULCalc::Calculate(Term, 0, 0, Slots, 32, 1.0));
    }
    State.SetLabel(std::to_string(Term.size()) + " characters");
}
BENCHMARK(LongTerm)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

// Terms that reduce by one small step per pass, about 100,000 characters long: the passes themselves are
// the cost. Argument: 0 "not" before 1, 1 nested parentheses, 2 nested sin, 3 "(1)+" chained,
// 4 "(1=1)and" chained, 5 minus signs before 1.
std::string StepwiseTerm(int Shape, std::size_t Length) {
    const auto Repeat = [Length](std::string_view Unit, std::string_view Tail) {
        std::string Term;
        while (Term.size() + Unit.size() + Tail.size() <= Length) {
            Term += Unit;
        }
        return Term + std::string(Tail);
    };
    switch (Shape) {
    case 0:
        return Repeat("not", "1");
    case 1:
        return std::string(Length / 2, '(') + "1" + std::string(Length / 2, ')');
    case 2:
        return Repeat("sin(", "").substr(0, Length / 5 * 4) + "1" + std::string(Length / 5, ')');
    case 3:
        return Repeat("(1)+", "1");
    case 4:
        return Repeat("(1=1)and", "(1=1)");
    default:
        return std::string(Length - 1, '-') + "1";
    }
}

void StepwiseTerms(benchmark::State& State) {
    const std::string Term = StepwiseTerm(static_cast<int>(State.range(0)), 100000);
    for (auto _ : State) {
        benchmark::DoNotOptimize(MODULCalc::Calculate(Term, 0, 0, Slots, 32, 1.0));
    }
    State.SetLabel(Term.substr(0, 8) + "... " + std::to_string(Term.size()) + " characters");
}
BENCHMARK(StepwiseTerms)->DenseRange(0, 5)->Iterations(1)->Unit(benchmark::kMillisecond);

// Two long shapes one after the other, about 100,000 characters in all: each pass then changes the Term
// at both ends. Argument: 0 "(2)+" then "not", the slowest pair found, 1 "(1)=" then "not", 2 "(1)^"
// then "not", 3 "(1=1)and" then "not".
void MixedShapes(benchmark::State& State) {
    constexpr std::array<std::string_view, 4> Firsts{"(2)+", "(1)=", "(1)^", "(1=1)and"};
    std::string Term;
    while (Term.size() < 50000) {
        Term += Firsts[static_cast<std::size_t>(State.range(0))];
    }
    while (Term.size() < 99999) {
        Term += "not";
    }
    Term += "1";
    for (auto _ : State) {
        benchmark::DoNotOptimize(MODULCalc::Calculate(Term, 0, 0, Slots, 32, 1.0));
    }
    State.SetLabel(Term.substr(0, 8) + "... " + std::to_string(Term.size()) + " characters");
}
BENCHMARK(MixedShapes)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The worst case the runaway bound exists for: a slot that refers to itself.
void SelfReferringSlot(benchmark::State& State) {
    std::array<std::string, 32> Growing{};
    Growing[0] = "var(0)*var(0)";
    for (auto _ : State) {
        benchmark::DoNotOptimize(MODULCalc::Calculate("var(0)", 0, 0, Growing, 32, 1.0));
    }
}
BENCHMARK(SelfReferringSlot)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
