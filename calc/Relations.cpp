#include "calc/Relations.h"

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
    // Which keyword the row needs: 0 "and", 1 "or" (also within "xor"), 2 "eqv", 3 "not".
    int Keyword;
};

// Keywords combine only the single digit on either side, by text; "and" goes before "not", so "not1and1"
// is "not1" and then "0".
constexpr std::array<Rewrite, 18> LogicRows{{
    {"0and0", "0", 0},
    {"0and1", "0", 0},
    {"1and0", "0", 0},
    {"1and1", "1", 0},
    {"0or0", "0", 1},
    {"0or1", "1", 1},
    {"1or0", "1", 1},
    {"1or1", "1", 1},
    {"0xor0", "0", 1},
    {"0xor1", "1", 1},
    {"1xor0", "1", 1},
    {"1xor1", "0", 1},
    {"0eqv0", "1", 2},
    {"0eqv1", "0", 2},
    {"1eqv0", "0", 2},
    {"1eqv1", "1", 2},
    {"not0", "1", 3},
    {"not1", "0", 3},
}};

// Relational operator characters, and whether a letter appears of which every logical keyword holds at
// least one. Most Terms hold none of them, which a few library searches (vectorised) tell fastest; only a
// Term with relational characters is counted character by character.
struct StageCharacters {
    std::size_t Relational = 0;
    bool Keyword = false;
};

StageCharacters CountStageCharacters(std::string_view Term) {
    constexpr std::string_view RelationalCharacters = "=<>|";
    constexpr std::string_view KeywordLetters = "noq";
    const auto Contains = [Term](char C) { return Term.find(C) != std::string_view::npos; };
    StageCharacters Found;
    for (const char C : KeywordLetters) {
        Found.Keyword = Found.Keyword || Contains(C);
    }
    bool AnyRelational = false;
    for (const char C : RelationalCharacters) {
        AnyRelational = AnyRelational || Contains(C);
    }
    if (AnyRelational) {
        for (const char C : Term) {
            Found.Relational += RelationalCharacters.find(C) != std::string_view::npos ? 1 : 0;
        }
    }
    return Found;
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

void ResolveRelationsAndLogic(std::string& Term) {
    const StageCharacters Present = CountStageCharacters(Term);
    if (Present.Relational > 0) {
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
    if (Present.Keyword) {
        // Function names share the keywords' letters ("sqr", "cos"), so first look for whole keywords:
        // a Term without one is searched four times instead of once per row.
        const auto Has = [&Term](std::string_view Keyword) {
            return FindText(Term, Keyword) != std::string::npos;
        };
        const bool Keywords[] = {Has("and"), Has("or"), Has("eqv"), Has("not")};
        for (const auto& Row : LogicRows) {
            if (!Keywords[Row.Keyword]) {
                continue;
            }
            ReplaceAll(Term, Row.Find, Row.Replace);
        }
    }
}

} // namespace MODULCalc
