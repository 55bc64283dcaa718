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
    std::string Term;
    std::int16_t HideConsole = 0;
    std::int16_t BasicOnly = 0;
    std::array<std::string, 32> Slots{};
    std::int16_t SlotCount = 32;
};

// Only the raw generator output is used, never a distribution, so the corpus is the same on every
// standard library.
class Source {
public:
    explicit Source(std::uint64_t Seed) : Engine(Seed) {}
    // Long Terms use small numbers only, so that few of them end early in an overflow or error.
    bool Tame = false;
    std::size_t Below(std::size_t Limit) { return static_cast<std::size_t>(Engine() % Limit); }
    bool OneIn(std::size_t Odds) { return Below(Odds) == 0; }
    template <typename List> const auto& Pick(const List& Items) { return Items[Below(std::size(Items))]; }

private:
    std::mt19937_64 Engine;
};

constexpr std::string_view Favoured = "0123456789+-*/^#()=<>|.,EPepvar(and)or not eqv xor sin cnt []{}:%";

std::string NoiseText(Source& Rng, std::size_t MaxLength) {
    std::string Text(Rng.Below(MaxLength + 1), ' ');
    for (char& C : Text) {
        C = Rng.OneIn(3) ? static_cast<char>(Rng.Below(256)) : Favoured[Rng.Below(Favoured.size())];
    }
    return Text;
}

std::string Number(Source& Rng) {
    if (Rng.Tame) {
        constexpr std::array<std::string_view, 6> Small{"1.5", "2", "P", "0.5", "3", "1"};
        return Rng.OneIn(2) ? std::to_string(1 + Rng.Below(9)) : std::string(Rng.Pick(Small));
    }
    constexpr std::array<std::string_view, 24> Fixed{
        "0",    "1",  "2", "0.5", ".5",    "1,5",    "10",    "3",          "P",     "p", "1E5", "2.5e-3",
        "1e+2", "-1", "7", "0.1", "1E300", "1E-300", "99999", "2147483648", "32767", "0", "1",   "-.5"};
    if (Rng.OneIn(3)) {
        return std::to_string(Rng.Below(1000));
    }
    return std::string(Rng.Pick(Fixed));
}

std::string InCase(Source& Rng, std::string_view Word) {
    std::string Text(Word);
    if (Rng.OneIn(4)) {
        for (char& C : Text) {
            if (Rng.OneIn(2) && C >= 'a' && C <= 'z') {
                C = static_cast<char>(C - 'a' + 'A');
            }
        }
    }
    return Text;
}

std::string Expression(Source& Rng, int Depth);

std::string Operand(Source& Rng, int Depth) {
    constexpr std::array<std::string_view, 15> Functions{"sin", "cos", "tan", "atn", "log",
                                                         "sqr", "int", "cnt", "abs", "sgn",
                                                         "frc", "fix", "rnd", "var", "xyz"};
    constexpr std::array<std::string_view, 6> Open{"(", "(", "(", "[", "{", "-("};
    constexpr std::array<std::string_view, 6> Close{")", ")", ")", "]", "}", ")"};
    std::string Text;
    if (Rng.OneIn(6)) {
        Text += Rng.OneIn(2) ? "-" : "not";
    }
    if (Depth < 6 && Rng.OneIn(3)) {
        if (Rng.OneIn(3)) {
            Text += InCase(Rng, Rng.Pick(Functions));
        }
        const std::size_t Shape = Rng.Below(Open.size());
        Text += std::string(Open[Shape]) + Expression(Rng, Depth + 1);
        // Now and then a bracket is left open or closed twice.
        if (!Rng.OneIn(40)) {
            Text += Close[Shape];
        }
        if (Rng.OneIn(40)) {
            Text += ")";
        }
        return Text;
    }
    return Text + Number(Rng);
}

std::string Expression(Source& Rng, int Depth) {
    constexpr std::array<std::string_view, 29> Operators{
        "+",  "+",  "-",  "-",  "*",  "*",   "/",  "/",   "^",   "#",  ":",  "=",   "<",  ">", "|",
        "<>", ">=", "=>", "<=", "=<", "and", "or", "xor", "eqv", "--", "+-", " - ", "*-", "%+"};
    // The remainder of anything by a relation's 0, or a negative number to a broken power, ends a Term with
    // an error, so long Terms mostly do without both.
    constexpr std::array<std::string_view, 8> TameOperators{"+", "-", "*", "/", "=", "and", "<", "or"};
    std::string Text = Operand(Rng, Depth);
    const std::size_t Parts = Rng.Below(Depth == 0 ? 8 : 4);
    for (std::size_t Part = 0; Part < Parts; ++Part) {
        Text += InCase(Rng, Rng.Tame && !Rng.OneIn(25) ? Rng.Pick(TameOperators) : Rng.Pick(Operators));
        if (Rng.OneIn(12)) {
            Text += ' ';
        }
        Text += Operand(Rng, Depth);
    }
    return Text;
}

std::string LongExpression(Source& Rng, std::size_t Length) {
    std::string Text = Expression(Rng, 0);
    while (Text.size() < Length) {
        Text += Rng.OneIn(2) ? "+" : Rng.OneIn(2) ? "*" : Rng.OneIn(2) ? "and" : "=";
        Text += Expression(Rng, Rng.Below(3));
    }
    return Text;
}

// Runs of units that each reduce in a pass or a few, mixed so that the place where a pass acts wanders.
std::string Stepwise(Source& Rng, std::size_t Length) {
    constexpr std::array<std::string_view, 16> Units{
        "(1)+", "(1=1)and", "not",  "(2)*",     "(1<2)or", "sin(", "(",      "-",
        "(0)#", "(1)^",     "(3)/", "(1=0)xor", "abs(",    "(2)+", "(1)eqv", "1+"};
    std::string Text;
    std::size_t Opened = 0;
    std::string_view Unit = Rng.Pick(Units);
    while (Text.size() < Length) {
        if (Rng.OneIn(12)) {
            Unit = Rng.Pick(Units);
        }
        Text += Unit;
        Opened += Unit.back() == '(' ? 1 : 0;
        if (Rng.OneIn(60)) {
            Text += Number(Rng);
        }
    }
    Text += Rng.OneIn(2) ? "1" : "(1=1)";
    if (!Rng.OneIn(10)) {
        Text += std::string(Opened, ')');
    }
    return Text;
}

std::string Shape(std::size_t Kind, std::size_t Count) {
    constexpr std::array<std::string_view, 8> Units{"(1)+", "(1=1)and", "not",  "sin(",
                                                    "(",    "(2)*",     "(1)#", "1+"};
    std::string Text;
    for (std::size_t Index = 0; Index < Count; ++Index) {
        Text += Units[Kind % Units.size()];
    }
    switch (Kind % Units.size()) {
    case 1:
        return Text + "(1=1)";
    case 3:
    case 4:
        return Text + "1" + std::string(Count, ')');
    default:
        return Text + "1";
    }
}

// Slot texts that refer to other slots, and now and then to their own.
void FillSlots(Source& Rng, Case& C, std::size_t Filled) {
    for (std::size_t Index = 0; Index < Filled; ++Index) {
        auto& Slot = C.Slots[Rng.Below(C.Slots.size())];
        Slot = Rng.OneIn(3) ? "var(" + std::to_string(Rng.Below(34)) + ")" : Expression(Rng, 3);
        if (Rng.OneIn(4)) {
            Slot += Rng.OneIn(2) ? "+var(" : "*var(";
            Slot += std::to_string(Rng.Below(32)) + ")";
        }
    }
}

Case MakeCase(std::uint64_t Index) {
    Source Rng(Index * 0x9E3779B97F4A7C15ULL + 17);
    Case C;
    const std::uint64_t Kind = Index % 100;
    if (Kind < 30) {
        C.Term = NoiseText(Rng, 60);
        FillSlots(Rng, C, Rng.Below(4));
        C.SlotCount = static_cast<std::int16_t>(Rng.Below(40));
        C.BasicOnly = static_cast<std::int16_t>(Rng.OneIn(4) ? -1 : 0);
        C.HideConsole = static_cast<std::int16_t>(Rng.OneIn(8) ? -1 : 0);
    } else if (Kind < 80) {
        C.Term = Expression(Rng, 0);
        C.BasicOnly = static_cast<std::int16_t>(Rng.OneIn(10) ? -1 : 0);
    } else if (Kind < 90) {
        FillSlots(Rng, C, 1 + Rng.Below(6));
        C.Term = Expression(Rng, 2) + "+var(" + std::to_string(Rng.Below(32)) + ")";
    } else if (Kind < 97) {
        C.Term = Stepwise(Rng, 10 + Rng.Below(Index % 7 == 0 ? 3000 : 300));
        C.BasicOnly = static_cast<std::int16_t>(Rng.OneIn(10) ? -1 : 0);
    } else if (Kind < 99) {
        C.Term = Shape(Rng.Below(8), 1 + Rng.Below(Index % 5 == 0 ? 1200 : 200));
    } else {
        // Long Terms are expensive for an engine that rescans them on every pass, so they are rarer.
        const std::size_t Length = Index % 10000 == 99 ? 40000 : 1000 + Rng.Below(8000);
        Rng.Tame = !Rng.OneIn(4);
        C.Term = Rng.OneIn(3) ? Stepwise(Rng, Length) : LongExpression(Rng, Length);
    }
    return C;
}

// Short Terms whose pieces meet only after a few passes: a run of parentheses empties next to a
// relational operator, or slot text read by var completes an operator or a function name. The stages
// look again only near the text a pass changed, so these catch a look that starts too late or too
// early: the second character of "<=" in front of the changed run, or the three letters before a
// parenthesis standing just outside the changed text.
Case MakeMeetingCase(std::uint64_t Index) {
    Source Rng(Index * 0xD1B54A32D192ED03ULL + 29);
    constexpr std::array<std::string_view, 30> Pieces{
        "<=", ">=",  "=>",       "=<",           "<>",  "<",   "=",  ">",
        "|",  "(",   ")",        "()",           "((",  "))",  "+",  "*",
        "-",  "and", "not",      "sin",          "log", "sqr", "co", "s",
        "lo", "g",   "\xc3\xa9", "\xe2\x82\xac", "P",   "xx"};
    constexpr std::array<std::string_view, 16> Fragments{"<",  "=",  ">", "",  "co", "s(",  "lo", "g(",
                                                         "sq", "r(", "(", ")", "12", "1+2", "=<", "(0)"};
    Case C;
    for (auto& Slot : C.Slots) {
        Slot = Rng.Pick(Fragments);
    }
    C.SlotCount = 32;
    const std::size_t Count = 2 + Rng.Below(9);
    for (std::size_t Part = 0; Part < Count; ++Part) {
        if (Rng.OneIn(3)) {
            C.Term += std::string(Rng.Below(4), '(') + std::to_string(Rng.Below(Rng.OneIn(2) ? 10 : 100000)) +
                      std::string(Rng.Below(4), ')');
        } else if (Rng.OneIn(4)) {
            C.Term += "var(" + std::to_string(Rng.Below(32)) + ")";
        } else {
            C.Term += Rng.Pick(Pieces);
        }
    }
    return C;
}

// Every third case is a meeting case; the others run through the main corpus in its own order.
Case AnyCase(std::uint64_t Index) {
    return Index % 3 == 2 ? MakeMeetingCase(Index) : MakeCase(Index / 3 * 2 + Index % 3);
}

std::string Escaped(std::string_view Text) {
    std::string Out;
    for (const char C : Text) {
        const auto Byte = static_cast<unsigned char>(C);
        if (Byte < 32 || Byte > 126 || C == '\\') {
            char Buffer[8];
            std::snprintf(Buffer, sizeof Buffer, "\\x%02x", Byte);
            Out += Buffer;
        } else {
            Out += C;
        }
    }
    return Out;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::string_view First = argc > 1 ? argv[1] : "";
    if (First == "--case" && argc > 2) {
        const std::uint64_t Index = std::stoull(argv[2]);
        const Case C = AnyCase(Index);
        std::cout << "term:  " << Escaped(C.Term) << "\nflags: hide " << C.HideConsole << ", basic "
                  << C.BasicOnly << ", slot count " << C.SlotCount << '\n';
        for (std::size_t Slot = 0; Slot < C.Slots.size(); ++Slot) {
            if (!C.Slots[Slot].empty()) {
                std::cout << "slot " << Slot << ": " << Escaped(C.Slots[Slot]) << '\n';
            }
        }
        return 0;
    }
    const std::uint64_t Scale = argc > 1 ? std::stoull(argv[1]) : 1;
    const std::uint64_t Count = 150000 * Scale;
    for (std::uint64_t Index = 0; Index < Count; ++Index) {
        const Case C = AnyCase(Index);
        const std::string Answer = MODULCalc::Calculate(C.Term, C.HideConsole, C.BasicOnly, C.Slots,
                                                        C.SlotCount, static_cast<double>(Index));
        std::cout << Index << ' ' << Escaped(Answer) << '\n';
    }
    return 0;
}
