#include "calc/Relations.h"

#include "calc/Evaluation.h"
#include "calc/GapText.h"
#include "calc/NumberText.h"
#include "calc/TermText.h"

#include <array>

namespace MODULCalc {
namespace {

struct Relation {
    std::string_view Operator;
    bool (*Holds)(double A, double B);
};

constexpr std::array<Relation, 9> Relations{{
    {"=", [](double A, double B) { return A == B; }},
    {"<", [](double A, double B) { return A < B; }},
    {">", [](double A, double B) { return A > B; }},
    {"|", [](double A, double B) { return A != B; }},
    {"<>", [](double A, double B) { return A != B; }},
    {">=", [](double A, double B) { return A >= B; }},
    {"=>", [](double A, double B) { return A >= B; }},
    {"<=", [](double A, double B) { return A <= B; }},
    {"=<", [](double A, double B) { return A <= B; }},
}};

// While any two-character operator is present, the single-character ones wait for a later pass.
constexpr std::array<std::string_view, 5> TwoCharacterOrder{">=", "=>", "<=", "=<", "<>"};
constexpr std::array<std::string_view, 4> OneCharacterOrder{"=", "<", ">", "|"};

struct Rewrite {
    std::string_view Find;
    std::string_view Replace;
};

// Keywords combine only the single digit on either side, by text; "and" goes before "not", so "not1and1"
// is "not1" and then "0".
constexpr std::array<Rewrite, 18> LogicRows{{
    {"0and0", "0"},
    {"0and1", "0"},
    {"1and0", "0"},
    {"1and1", "1"},
    {"0or0", "0"},
    {"0or1", "1"},
    {"1or0", "1"},
    {"1or1", "1"},
    {"0xor0", "0"},
    {"0xor1", "1"},
    {"1xor0", "1"},
    {"1xor1", "0"},
    {"0eqv0", "1"},
    {"0eqv1", "0"},
    {"1eqv0", "0"},
    {"1eqv1", "1"},
    {"not0", "1"},
    {"not1", "0"},
}};

// Relational operator characters and the letters of which every logical keyword holds at least one, counted
// in one sweep; the library's find_first_of would make a call per character.
struct StageCharacters {
    std::size_t Relational = 0;
    std::size_t Keyword = 0;
};

StageCharacters CountStageCharacters(std::string_view Term) {
    StageCharacters Count;
    for (const char C : Term) {
        switch (C) {
        case '=':
        case '<':
        case '>':
        case '|':
            ++Count.Relational;
            break;
        case 'n':
        case 'o':
        case 'q':
            ++Count.Keyword;
            break;
        default:
            break;
        }
    }
    return Count;
}

bool Holds(std::string_view Operator, double A, double B) {
    for (const auto& Candidate : Relations) {
        if (Candidate.Operator == Operator) {
            return Candidate.Holds(A, B);
        }
    }
    return false;
}

} // namespace

void ResolveRelation(std::string& Term, std::string_view Operator) {
    GapText Text(std::move(Term));
    const auto Width = static_cast<std::ptrdiff_t>(Operator.size());
    std::size_t Start = 0;
    for (;;) {
        const std::size_t Found = Text.Find(Operator, Start);
        const auto Length = static_cast<std::ptrdiff_t>(Text.Size());
        const auto At = static_cast<std::ptrdiff_t>(Found);
        if (Found == std::string::npos || At < 1 || At > Length - 3) {
            break;
        }
        std::ptrdiff_t Left = At;
        while (Left != 0 && IsNumberChar(Text.At(Left - 1))) {
            --Left;
        }
        const std::ptrdiff_t OperatorEnd = At + Width - 1;
        std::ptrdiff_t Right = OperatorEnd;
        while (Right != Length - 1 && IsNumberChar(Text.At(Right + 1))) {
            ++Right;
        }
        if (Right == OperatorEnd || Left == At) {
            Start = Found + 1;
            continue;
        }
        const double A = ReadNumber(Text.Substr(static_cast<std::size_t>(Left), Found - Left));
        const double B = ReadNumber(Text.Substr(static_cast<std::size_t>(OperatorEnd + 1),
                                                static_cast<std::size_t>(Right - OperatorEnd)));
        Text.Replace(static_cast<std::size_t>(Left), static_cast<std::size_t>(Right - Left + 1),
                     Holds(Operator, A, B) ? "1" : "0");
        Start = static_cast<std::size_t>(Left + 1);
    }
    Term = Text.Release();
}

void ResolveRelationsAndLogic(std::string& Term, Evaluation& Eval) {
    const StageCharacters Present = CountStageCharacters(Term);
    if (Present.Relational > 0) {
        // Each operator character is looked at by up to five searches, each searching the whole Term.
        Eval.Charge(Term.size() + Present.Relational * 5 * Evaluation::OccurrenceCost);
        bool TwoCharacter = false;
        for (const auto Operator : TwoCharacterOrder) {
            TwoCharacter = TwoCharacter || Term.find(Operator) != std::string::npos;
        }
        if (TwoCharacter) {
            for (const auto Operator : TwoCharacterOrder) {
                ResolveRelation(Term, Operator);
            }
        } else {
            for (const auto Operator : OneCharacterOrder) {
                ResolveRelation(Term, Operator);
            }
        }
    }
    // The relations only turn numbers into digits, so the letters counted before are still all there.
    if (Present.Keyword > 0) {
        Eval.Charge(Term.size());
        for (const auto& Row : LogicRows) {
            if (Term.find(Row.Find) != std::string::npos) {
                // Rewriting goes through the Term character by character.
                Eval.Charge(4 * Term.size());
                ReplaceAll(Term, Row.Find, Row.Replace);
            }
        }
    }
}

} // namespace MODULCalc
