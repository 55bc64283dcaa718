// The calculator engine against its budgets: every call within 50 ms whatever its Term (up to 100,000
// characters) and slots (32 of up to 100,000 characters), every Term of 5,000 characters within 1 ms, and
// for every shape of Term the time at 100,000 characters at most 15 times the time at 10,000. The shapes
// are those that made the engine slow before, and the slowest one an adversarial search finds: random
// Terms and slots from every operator class, parentheses, functions, relations, logic and var, then
// hill-climbing on time. The run ends with one table and exits 1 when any figure passes its budget.
//
// usage: bench_calculate [SEARCH-SECONDS]     (default 20; 0 skips the search)
#include "bench/Budget.h"
#include "calc/MODULCalc.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Slots = std::array<std::string, MODULCalc::VariableSlots>;

struct Case {
    std::string term;
    Slots slots{};
};

// The best of a few runs, in milliseconds: the machine may be busy with other work, which only ever
// makes a run slower. The search compares thousands of candidates with three; the figures that are
// weighed against a budget take more, as one run of a millisecond is easily a fifth slower than the next.
constexpr int FigureRuns = 9;
double millisecondsFor(const Case& c, int runs = 3) {
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const std::string answer = MODULCalc::Calculate(c.term, 0, 0, c.slots, MODULCalc::VariableSlots, 1.0);
        const auto stop = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(stop - start).count());
        if (answer.empty() && c.term.empty())
            std::abort();
    }
    return best;
}

// The unit repeated until prefix, units and suffix reach about length characters.
std::string repeated(std::string_view prefix, std::string_view unit, std::string_view suffix,
                     std::size_t length) {
    std::string term(prefix);
    while (term.size() + unit.size() + suffix.size() <= length)
        term += unit;
    return term + std::string(suffix);
}

// A Term of at most the given length as people type them: decimals, the four operations, parentheses a few
// levels deep and the odd function call.
std::string typicalTerm(std::size_t length) {
    std::mt19937 rng(42);
    const std::array<std::string, 8> pieces{"(12.5+3)*2", "7/4",     "sqr(16)*1.5", "(3-(4*2))",
                                            "2^3",        "abs(-7)", "100%",        "(1.25+(6/3-1)*4)"};
    const std::string operators = "+-*/";
    std::string term = pieces[0];
    for (;;) {
        const char op = operators[rng() % operators.size()];
        const std::string& piece = pieces[rng() % pieces.size()];
        if (term.size() + 1 + piece.size() > length)
            return term;
        term += op;
        term += piece;
    }
}

struct Family {
    std::string name;
    std::function<Case(std::size_t)> make;
};

// A prefix, the unit repeated and a suffix, all within length characters; where each unit opens a
// parenthesis, the units' closing parentheses follow, within the length too.
Family shape(std::string name, std::string prefix, std::string unit, std::string suffix,
             bool closeEach = false) {
    return {std::move(name),
            [=](std::size_t length) {
                const std::size_t room = length - prefix.size() - suffix.size();
                const std::size_t units = room / (unit.size() + (closeEach ? 1 : 0));
                std::string term =
                    repeated(prefix, unit, suffix, prefix.size() + units * unit.size() + suffix.size());
                return Case{term + (closeEach ? std::string(units, ')') : std::string())};
            }};
}

Family withSlots(std::string name, std::string prefix, std::string unit, std::string suffix,
                 std::array<std::string, 3> filled) {
    return {std::move(name),
            [=](std::size_t length) {
                Case c{repeated(prefix, unit, suffix, length)};
                std::copy(filled.begin(), filled.end(), c.slots.begin());
                return c;
            }};
}

// Shapes of Term that reduce one small step per pass, or join one growing run of digits, at any length.
std::vector<Family> families() {
    std::vector<Family> all{
        {"typical Term", [](std::size_t length) { return Case{typicalTerm(length)}; }},
        shape("not before 1", "", "not", "1"),
        shape("nested parentheses", "", "(", "1", true),
        shape("nested sin", "", "sin(", "1", true),
        shape("(1)+ chained", "", "(1)+", "1"),
        shape("(1=1)and chained", "", "(1=1)and", "(1=1)"),
        shape("minus signs before 1", "", "-", "1"),
        {"(2)+ then not",
         [](std::size_t length) {
             return Case{repeated("", "(2)+", "", length / 2) +
                         repeated("", "not", "1", length - length / 2)};
         }},
        shape("< then 1() joined", "<", "1()", ""),
        shape("1() joined then =", "", "1()", "="),
        shape("* then 1() joined", "*", "1()", ""),
        shape("relations around ]9,( joined", ">=E<pfix<>", "]9,(", "|++sqrlog1"),
        // The slowest the search found so far: slots that keep calling, next to a Term that holds their
        // relations and keywords in every pass.
        withSlots("search: slot 0 brings a relation back", "/#", "^9.5rnd(var(1)2", "var(0)",
                  {">=-var(0)+", "and[xorx", "[9Pxor|"}),
        withSlots("search: slot 0 calls itself beside abs", "^1#", "9()}.5abs(abs(2", "=*var(0)",
                  {"var(0)>-.5+", "andxor2x", "P[xor()"}),
        withSlots("search: slot 0 calls itself beside rnd and not", "/#", "^rnd(rnd(()not>=2", "<>=*var(0)",
                  {"+()1var(0)+", "and.5xorx", "9xor|"}),
        withSlots("search: slot 0 calls itself beside empty pairs", "</.51%var(2)#", "()^()()()var(1)",
                  "cnt(eqv=<>*var(0)", {"()+2var(0)2", "andxor^()()*", "xor[or"}),
        withSlots("search: calls of slot 1 between empty pairs and not", "<-xorvar(1)%^#",
                  "var(1)()var(1)()()not()>=", "eqv<var(0)", {">=var(0)++", "()and()^()^*1", "2P*var(2)or"}),
    };
    return all;
}

// Slot sets that keep var calling, end by themselves or are read many times: each call within budget.
std::vector<std::pair<std::string, Case>> slotCases() {
    std::vector<std::pair<std::string, Case>> all;
    for (const std::string tail : {"*0+var(0)", "*0+var(0)1", "*0+(var(0))", "var(0)"}) {
        Case c{"var(0)"};
        c.slots[0] = repeated("", "var(1)", "", 48) + tail;
        c.slots[1] = "1";
        all.emplace_back("var(1) x 8 then " + tail, c);
    }
    for (const std::string between : {"+", ""}) {
        Case c{"var(0)"};
        for (std::size_t slot = 0; slot + 1 < c.slots.size(); ++slot)
            c.slots[slot] =
                "var(" + std::to_string(slot + 1) + ")" + between + "var(" + std::to_string(slot + 1) + ")";
        c.slots.back() = between.empty() ? "x" : "1";
        all.emplace_back("fan-out of 31 levels, calls joined by '" + between + "'", c);
    }
    Case honest{repeated("", "var(1)+", "1", 35001)};
    honest.slots[1] = "1+2";
    all.emplace_back("5,000 calls of a short slot", honest);
    Case squared{"var(0)"};
    squared.slots[0] = "var(0)*var(0)";
    all.emplace_back("a slot that squares its own call", squared);
    Case full{"var(0)"};
    for (std::size_t slot = 0; slot < full.slots.size(); ++slot)
        full.slots[slot] = "var(" + std::to_string((slot + 1) % full.slots.size()) + ")+" +
                           repeated("", "(1)+", "1", 100000 - 9);
    all.emplace_back("32 slots of 100,000 characters calling the next", full);
    return all;
}

// --- The adversarial search ---

constexpr std::array<std::string_view, 40> Tokens{
    "1",    "2",    "0",      "9",      ".5",     "E",   "P",   "-",    "+",    "*",
    "/",    "^",    "#",      "(",      ")",      "()",  "=",   "<",    ">",    "<>",
    ">=",   "|",    "and",    "or",     "not",    "xor", "eqv", "sin(", "abs(", "cnt(",
    "log(", "rnd(", "var(0)", "var(1)", "var(2)", "x",   ",",   "[",    "}",    "%"};

struct Candidate {
    std::vector<std::size_t> prefix, unit, suffix;
    std::array<std::vector<std::size_t>, 3> slots;

    static std::string text(const std::vector<std::size_t>& tokens) {
        std::string out;
        for (const std::size_t token : tokens)
            out += Tokens[token];
        return out;
    }
    Case at(std::size_t length) const {
        Case c{repeated(text(prefix), text(unit), text(suffix), length)};
        for (std::size_t slot = 0; slot < slots.size(); ++slot)
            c.slots[slot] = text(slots[slot]);
        return c;
    }
    std::string describe() const {
        std::string out =
            "'" + text(prefix) + "' then '" + text(unit) + "' repeated then '" + text(suffix) + "'";
        for (std::size_t slot = 0; slot < slots.size(); ++slot)
            out += ", slot " + std::to_string(slot) + " '" + text(slots[slot]) + "'";
        return out;
    }
};

class Search {
public:
    explicit Search(std::uint32_t seed) : rng_(seed) {}

    Candidate random() {
        Candidate c;
        c.prefix = tokens(rng_() % 4);
        c.unit = tokens(1 + rng_() % 5);
        c.suffix = tokens(rng_() % 4);
        for (auto& slot : c.slots)
            slot = tokens(rng_() % 5);
        return c;
    }
    // One token changed, added or removed in one part.
    Candidate mutate(Candidate c) {
        std::vector<std::size_t>* parts[] = {&c.prefix,   &c.unit,     &c.unit,    &c.suffix,
                                             &c.slots[0], &c.slots[1], &c.slots[2]};
        auto& part = *parts[rng_() % std::size(parts)];
        const unsigned how = rng_() % 3;
        if (how == 0 || part.empty())
            part.insert(part.begin() + static_cast<std::ptrdiff_t>(part.empty() ? 0 : rng_() % part.size()),
                        rng_() % Tokens.size());
        else if (how == 1 && part.size() > 1)
            part.erase(part.begin() + static_cast<std::ptrdiff_t>(rng_() % part.size()));
        else
            part[rng_() % part.size()] = rng_() % Tokens.size();
        if (c.unit.empty())
            c.unit.push_back(0);
        return c;
    }

private:
    std::vector<std::size_t> tokens(std::size_t count) {
        std::vector<std::size_t> out(count);
        for (auto& token : out)
            token = rng_() % Tokens.size();
        return out;
    }
    std::mt19937 rng_;
};

// Random candidates first, then hill-climbing from the slowest: a change is kept when the Term of 5,000
// characters it gives is slower.
Candidate slowestFound(double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Search search(2026);
    Candidate best = search.random();
    double bestTime = millisecondsFor(best.at(5000));
    for (int round = 0; std::chrono::steady_clock::now() < deadline; ++round) {
        const Candidate next = round < 400 ? search.random() : search.mutate(best);
        const double time = millisecondsFor(next.at(5000));
        if (time > bestTime) {
            best = next;
            bestTime = time;
        }
    }
    std::printf("slowest found: %s\n  %.3f ms at 5,000 characters\n", best.describe().c_str(), bestTime);
    return best;
}

std::string characters(std::size_t length) {
    const std::string thousands = std::to_string(length % 1000 + 1000).substr(1);
    return length < 1000 ? std::to_string(length) : std::to_string(length / 1000) + "," + thousands;
}

void measureFamily(const Family& family, std::vector<bench::Figure>& figures) {
    const Case small = family.make(5000);
    const Case medium = family.make(10000);
    const Case large = family.make(100000);
    const double atSmall = millisecondsFor(small, FigureRuns);
    const double atMedium = millisecondsFor(medium, FigureRuns);
    const double atLarge = millisecondsFor(large, FigureRuns);
    // The budget for 5,000 characters is the Term's own; slots that call slots may take the whole call's.
    const bool slotFree =
        std::all_of(small.slots.begin(), small.slots.end(), [](const auto& s) { return s.empty(); });
    const bench::Budget budget = slotFree ? bench::Budget::shortEngineCall() : bench::Budget::engineCall();
    figures.push_back({family.name, characters(small.term.size()), atSmall, budget, budget.limit});
    figures.push_back({family.name, characters(large.term.size()), atLarge, bench::Budget::engineCall(),
                       bench::Budget::engineCall().limit});
    const double growth = atLarge / std::max(atMedium, 1e-3);
    figures.push_back({family.name + ", growth", "10k -> 100k", growth, bench::Budget::growth(15.0), 15.0});
}

} // namespace

int main(int argc, char** argv) {
    const double searchSeconds = argc > 1 ? std::atof(argv[1]) : 20.0;
    std::vector<bench::Figure> figures;
    std::vector<Family> all = families();
    if (searchSeconds > 0) {
        const Candidate found = slowestFound(searchSeconds);
        all.push_back(
            {"search: slowest found now", [found](std::size_t length) { return found.at(length); }});
    }
    for (const Family& family : all)
        measureFamily(family, figures);
    for (const auto& [name, c] : slotCases())
        figures.push_back({name, std::to_string(c.term.size()), millisecondsFor(c, FigureRuns),
                           bench::Budget::engineCall(), bench::Budget::engineCall().limit});
    return bench::printFigures(figures);
}
