#include "calc/MODULCalc.h"

#include <array>
#include <benchmark/benchmark.h>
#include <random>
#include <string>

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

// The worst case the work allowance exists for: a slot that refers to itself.
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
