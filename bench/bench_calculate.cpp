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
std::string typicalTerm(std::size_t length) {
    std::mt19937 rng(42);
    const std::array<std::string, 8> Pieces{"(12.5+3)*2", "7/4",     "sqr(16)*1.5", "(3-(4*2))",
                                            "2^3",        "abs(-7)", "100%",        "(1.25+(6/3-1)*4)"};
    const std::string Operators = "+-*/";
    std::string term = Pieces[0];
    while (term.size() < length) {
        term += Operators[rng() % Operators.size()];
        term += Pieces[rng() % Pieces.size()];
    }
    return term;
}

void shortTerms(benchmark::State& state) {
    const std::array<std::string, 6> Terms{"1+2*3",       "(12.5+3)*2-7/4", "sin(P/4)^2+cos(P/4)^2",
                                           "(2+2)=4and1", "help sin",       "-5*3+10#4"};
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MODULCalc::Calculate(Terms[next], 0, 0, Slots, 32, 1.0));
        next = (next + 1) % Terms.size();
    }
}
BENCHMARK(shortTerms);

void longTerm(benchmark::State& state) {
    const std::string term = typicalTerm(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(MODULCalc::Calculate(term, 0, 0, Slots, 32, 1.0));
    state.SetLabel(std::to_string(term.size()) + " characters");
}
BENCHMARK(longTerm)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

// Terms that reduce by one small step per pass, about 100,000 characters long: the passes themselves are
// the cost. Argument: 0 "not" before 1, 1 nested parentheses, 2 nested sin, 3 "(1)+" chained,
// 4 "(1=1)and" chained, 5 minus signs before 1.
std::string stepwiseTerm(int shape, std::size_t length) {
    const auto repeat = [length](std::string_view unit, std::string_view tail) {
        std::string term;
        while (term.size() + unit.size() + tail.size() <= length)
            term += unit;
        return term + std::string(tail);
    };
    switch (shape) {
    case 0:
        return repeat("not", "1");
    case 1:
        return std::string(length / 2, '(') + "1" + std::string(length / 2, ')');
    case 2:
        return repeat("sin(", "").substr(0, length / 5 * 4) + "1" + std::string(length / 5, ')');
    case 3:
        return repeat("(1)+", "1");
    case 4:
        return repeat("(1=1)and", "(1=1)");
    default:
        return std::string(length - 1, '-') + "1";
    }
}

void stepwiseTerms(benchmark::State& state) {
    const std::string term = stepwiseTerm(static_cast<int>(state.range(0)), 100000);
    for (auto _ : state)
        benchmark::DoNotOptimize(MODULCalc::Calculate(term, 0, 0, Slots, 32, 1.0));
    state.SetLabel(term.substr(0, 8) + "... " + std::to_string(term.size()) + " characters");
}
BENCHMARK(stepwiseTerms)->DenseRange(0, 5)->Iterations(1)->Unit(benchmark::kMillisecond);

// Two long shapes one after the other, about 100,000 characters in all: each pass then changes the Term
// at both ends. Argument: 0 "(2)+" then "not", the slowest pair found, 1 "(1)=" then "not", 2 "(1)^"
// then "not", 3 "(1=1)and" then "not".
void mixedShapes(benchmark::State& state) {
    constexpr std::array<std::string_view, 4> Firsts{"(2)+", "(1)=", "(1)^", "(1=1)and"};
    std::string term;
    while (term.size() < 50000)
        term += Firsts[static_cast<std::size_t>(state.range(0))];
    while (term.size() < 99999)
        term += "not";
    term += "1";
    for (auto _ : state)
        benchmark::DoNotOptimize(MODULCalc::Calculate(term, 0, 0, Slots, 32, 1.0));
    state.SetLabel(term.substr(0, 8) + "... " + std::to_string(term.size()) + " characters");
}
BENCHMARK(mixedShapes)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The worst case the runaway bound exists for: a slot that refers to itself.
void selfReferringSlot(benchmark::State& state) {
    std::array<std::string, 32> growing{};
    growing[0] = "var(0)*var(0)";
    for (auto _ : state)
        benchmark::DoNotOptimize(MODULCalc::Calculate("var(0)", 0, 0, growing, 32, 1.0));
}
BENCHMARK(selfReferringSlot)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
