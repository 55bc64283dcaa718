// Prints the engine's answer for every Term of a large seeded corpus, one line each, so that two builds of
// the engine can be compared answer by answer (bench/compare-engine.sh). The corpus favours what makes the
// engine's text rewriting delicate: long Terms, Terms that reduce one small step per pass, relations and
// keywords next to arithmetic, minus runs, brackets, functions, and slots read through var.
//
// usage: engine_answers [SCALE]            all cases; SCALE (default 1) multiplies the 150,000 cases
//        engine_answers --case N           the inputs of case N, readable
#include "calc/MODULCalc.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <random>
#include <string>
#include <string_view>

namespace {

struct Case {
    std::string term;
    std::int16_t hideConsole = 0;
    std::int16_t basicOnly = 0;
    std::array<std::string, 32> slots{};
    std::int16_t slotCount = 32;
};

// Only the raw generator output is used, never a distribution, so the corpus is the same on every
// standard library.
class Source {
public:
    explicit Source(std::uint64_t seed) : engine_(seed) {}
    // Long Terms use small numbers only, so that few of them end early in an overflow or error.
    bool tame = false;
    std::size_t below(std::size_t limit) { return static_cast<std::size_t>(engine_() % limit); }
    bool oneIn(std::size_t odds) { return below(odds) == 0; }
    template <typename List> const auto& pick(const List& items) { return items[below(std::size(items))]; }

private:
    std::mt19937_64 engine_;
};

constexpr std::string_view Favoured = "0123456789+-*/^#()=<>|.,EPepvar(and)or not eqv xor sin cnt []{}:%";

std::string noiseText(Source& rng, std::size_t maxLength) {
    std::string text(rng.below(maxLength + 1), ' ');
    for (char& c : text)
        c = rng.oneIn(3) ? static_cast<char>(rng.below(256)) : Favoured[rng.below(Favoured.size())];
    return text;
}

std::string number(Source& rng) {
    if (rng.tame) {
        constexpr std::array<std::string_view, 6> Small{"1.5", "2", "P", "0.5", "3", "1"};
        return rng.oneIn(2) ? std::to_string(1 + rng.below(9)) : std::string(rng.pick(Small));
    }
    constexpr std::array<std::string_view, 24> Fixed{
        "0",    "1",  "2", "0.5", ".5",    "1,5",    "10",    "3",          "P",     "p", "1E5", "2.5e-3",
        "1e+2", "-1", "7", "0.1", "1E300", "1E-300", "99999", "2147483648", "32767", "0", "1",   "-.5"};
    if (rng.oneIn(3))
        return std::to_string(rng.below(1000));
    return std::string(rng.pick(Fixed));
}

std::string inCase(Source& rng, std::string_view word) {
    std::string text(word);
    if (rng.oneIn(4)) {
        for (char& c : text)
            if (rng.oneIn(2) && c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string expression(Source& rng, int depth);

std::string operand(Source& rng, int depth) {
    constexpr std::array<std::string_view, 15> Functions{"sin", "cos", "tan", "atn", "log",
                                                         "sqr", "int", "cnt", "abs", "sgn",
                                                         "frc", "fix", "rnd", "var", "xyz"};
    constexpr std::array<std::string_view, 6> Open{"(", "(", "(", "[", "{", "-("};
    constexpr std::array<std::string_view, 6> Close{")", ")", ")", "]", "}", ")"};
    std::string text;
    if (rng.oneIn(6))
        text += rng.oneIn(2) ? "-" : "not";
    if (depth < 6 && rng.oneIn(3)) {
        if (rng.oneIn(3))
            text += inCase(rng, rng.pick(Functions));
        const std::size_t shape = rng.below(Open.size());
        text += std::string(Open[shape]) + expression(rng, depth + 1);
        // Now and then a bracket is left open or closed twice.
        if (!rng.oneIn(40))
            text += Close[shape];
        if (rng.oneIn(40))
            text += ")";
        return text;
    }
    return text + number(rng);
}

std::string expression(Source& rng, int depth) {
    constexpr std::array<std::string_view, 29> Operators{
        "+",  "+",  "-",  "-",  "*",  "*",   "/",  "/",   "^",   "#",  ":",  "=",   "<",  ">", "|",
        "<>", ">=", "=>", "<=", "=<", "and", "or", "xor", "eqv", "--", "+-", " - ", "*-", "%+"};
    // The remainder of anything by a relation's 0, or a negative number to a broken power, ends a Term with
    // an error, so long Terms mostly do without both.
    constexpr std::array<std::string_view, 8> TameOperators{"+", "-", "*", "/", "=", "and", "<", "or"};
    std::string text = operand(rng, depth);
    const std::size_t parts = rng.below(depth == 0 ? 8 : 4);
    for (std::size_t part = 0; part < parts; ++part) {
        text += inCase(rng, rng.tame && !rng.oneIn(25) ? rng.pick(TameOperators) : rng.pick(Operators));
        if (rng.oneIn(12))
            text += ' ';
        text += operand(rng, depth);
    }
    return text;
}

std::string longExpression(Source& rng, std::size_t length) {
    std::string text = expression(rng, 0);
    while (text.size() < length) {
        text += rng.oneIn(2) ? "+" : rng.oneIn(2) ? "*" : rng.oneIn(2) ? "and" : "=";
        text += expression(rng, rng.below(3));
    }
    return text;
}

// Runs of units that each reduce in a pass or a few, mixed so that the place where a pass acts wanders.
std::string stepwise(Source& rng, std::size_t length) {
    constexpr std::array<std::string_view, 16> Units{
        "(1)+", "(1=1)and", "not",  "(2)*",     "(1<2)or", "sin(", "(",      "-",
        "(0)#", "(1)^",     "(3)/", "(1=0)xor", "abs(",    "(2)+", "(1)eqv", "1+"};
    std::string text;
    std::size_t opened = 0;
    std::string_view unit = rng.pick(Units);
    while (text.size() < length) {
        if (rng.oneIn(12))
            unit = rng.pick(Units);
        text += unit;
        opened += unit.back() == '(' ? 1 : 0;
        if (rng.oneIn(60))
            text += number(rng);
    }
    text += rng.oneIn(2) ? "1" : "(1=1)";
    if (!rng.oneIn(10))
        text += std::string(opened, ')');
    return text;
}

std::string shape(std::size_t kind, std::size_t count) {
    constexpr std::array<std::string_view, 8> Units{"(1)+", "(1=1)and", "not",  "sin(",
                                                    "(",    "(2)*",     "(1)#", "1+"};
    std::string text;
    for (std::size_t index = 0; index < count; ++index)
        text += Units[kind % Units.size()];
    switch (kind % Units.size()) {
    case 1:
        return text + "(1=1)";
    case 3:
    case 4:
        return text + "1" + std::string(count, ')');
    default:
        return text + "1";
    }
}

// Slot texts that refer to other slots, and now and then to their own.
void fillSlots(Source& rng, Case& c, std::size_t filled) {
    for (std::size_t index = 0; index < filled; ++index) {
        auto& slot = c.slots[rng.below(c.slots.size())];
        slot = rng.oneIn(3) ? "var(" + std::to_string(rng.below(34)) + ")" : expression(rng, 3);
        if (rng.oneIn(4)) {
            slot += rng.oneIn(2) ? "+var(" : "*var(";
            slot += std::to_string(rng.below(32)) + ")";
        }
    }
}

Case makeCase(std::uint64_t index) {
    Source rng(index * 0x9E3779B97F4A7C15ULL + 17);
    Case c;
    const std::uint64_t kind = index % 100;
    if (kind < 30) {
        c.term = noiseText(rng, 60);
        fillSlots(rng, c, rng.below(4));
        c.slotCount = static_cast<std::int16_t>(rng.below(40));
        c.basicOnly = static_cast<std::int16_t>(rng.oneIn(4) ? -1 : 0);
        c.hideConsole = static_cast<std::int16_t>(rng.oneIn(8) ? -1 : 0);
    } else if (kind < 80) {
        c.term = expression(rng, 0);
        c.basicOnly = static_cast<std::int16_t>(rng.oneIn(10) ? -1 : 0);
    } else if (kind < 90) {
        fillSlots(rng, c, 1 + rng.below(6));
        c.term = expression(rng, 2) + "+var(" + std::to_string(rng.below(32)) + ")";
    } else if (kind < 97) {
        c.term = stepwise(rng, 10 + rng.below(index % 7 == 0 ? 3000 : 300));
        c.basicOnly = static_cast<std::int16_t>(rng.oneIn(10) ? -1 : 0);
    } else if (kind < 99) {
        c.term = shape(rng.below(8), 1 + rng.below(index % 5 == 0 ? 1200 : 200));
    } else {
        // Long Terms are expensive for an engine that rescans them on every pass, so they are rarer.
        const std::size_t length = index % 10000 == 99 ? 40000 : 1000 + rng.below(8000);
        rng.tame = !rng.oneIn(4);
        c.term = rng.oneIn(3) ? stepwise(rng, length) : longExpression(rng, length);
    }
    return c;
}

// Terms whose pieces meet only after a few passes: a run of parentheses empties next to a
// relational operator, or slot text read by var completes an operator or a function name. The stages
// look again only near the text a pass changed, so these catch a look that starts too late or too
// early: the second character of "<=" in front of the changed run, or the three letters before a
// parenthesis standing just outside the changed text.
Case makeMeetingCase(std::uint64_t index) {
    Source rng(index * 0xD1B54A32D192ED03ULL + 29);
    constexpr std::array<std::string_view, 30> Pieces{
        "<=", ">=",  "=>",       "=<",           "<>",  "<",   "=",  ">",
        "|",  "(",   ")",        "()",           "((",  "))",  "+",  "*",
        "-",  "and", "not",      "sin",          "log", "sqr", "co", "s",
        "lo", "g",   "\xc3\xa9", "\xe2\x82\xac", "P",   "xx"};
    constexpr std::array<std::string_view, 16> Fragments{"<",  "=",  ">", "",  "co", "s(",  "lo", "g(",
                                                         "sq", "r(", "(", ")", "12", "1+2", "=<", "(0)"};
    Case c;
    for (auto& slot : c.slots)
        slot = rng.pick(Fragments);
    c.slotCount = 32;
    // A third of them are long enough for the road that follows the changes, without calling var.
    if (rng.oneIn(3))
        for (int sum = 0; sum < 150; ++sum)
            c.term += "1+";
    const std::size_t count = 2 + rng.below(9);
    for (std::size_t part = 0; part < count; ++part) {
        if (rng.oneIn(3)) {
            c.term += std::string(rng.below(4), '(') + std::to_string(rng.below(rng.oneIn(2) ? 10 : 100000)) +
                      std::string(rng.below(4), ')');
        } else if (rng.oneIn(4)) {
            c.term += "var(" + std::to_string(rng.below(32)) + ")";
        } else {
            c.term += rng.pick(Pieces);
        }
    }
    return c;
}

// Every third case is a meeting case; the others run through the main corpus in its own order.
Case anyCase(std::uint64_t index) {
    return index % 3 == 2 ? makeMeetingCase(index) : makeCase(index / 3 * 2 + index % 3);
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte > 126 || c == '\\') {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", byte);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--case" && argc > 2) {
        const std::uint64_t index = std::stoull(argv[2]);
        const Case c = anyCase(index);
        std::cout << "term:  " << escaped(c.term) << "\nflags: hide " << c.hideConsole << ", basic "
                  << c.basicOnly << ", slot count " << c.slotCount << '\n';
        for (std::size_t slot = 0; slot < c.slots.size(); ++slot)
            if (!c.slots[slot].empty())
                std::cout << "slot " << slot << ": " << escaped(c.slots[slot]) << '\n';
        return 0;
    }
    const std::uint64_t scale = argc > 1 ? std::stoull(argv[1]) : 1;
    const std::uint64_t count = 150000 * scale;
    for (std::uint64_t index = 0; index < count; ++index) {
        const Case c = anyCase(index);
        const std::string answer = MODULCalc::Calculate(c.term, c.hideConsole, c.basicOnly, c.slots,
                                                        c.slotCount, static_cast<double>(index));
        std::cout << index << ' ' << escaped(answer) << '\n';
    }
    return 0;
}
