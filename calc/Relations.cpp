#include "calc/Relations.h"

#include "calc/NumberText.h"
#include "calc/TermText.h"

#include <algorithm>
#include <array>
#include <span>

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

} // namespace

bool RelationHolds(std::string_view Operator, double A, double B) {
    for (const auto& Candidate : Relations) {
        if (Candidate.Operator == Operator) {
            return Candidate.Holds(A, B);
        }
    }
    return false;
}

namespace {

// Each occurrence is decided by its operands, the characters around them and, near either end, by its
// distance from that end; decisions never depend on other occurrences. A look therefore leaves no
// occurrence it could resolve, and after a change only occurrences next to the changed spans need a look.
// One exception: an operator at the very start ends the look before anything is resolved.
void Resolve(WorkingTerm& Term, std::string_view Operator, const ChangedSpans& Since, ChangedSpans& Record) {
    const auto Width = static_cast<std::ptrdiff_t>(Operator.size());
    std::size_t From = 0;
    for (std::size_t Index = 0; Index < Since.Count();) {
        const auto Span = Since.At(Index, Term.Size());
        // The second character of an operator may be the one that ends the run before the changed text.
        const std::size_t Again = LookAgainFrom(Term, Span, 3);
        const std::size_t Start =
            std::max(From, Again >= Operator.size() - 1 ? Again - (Operator.size() - 1) : 0);
        const std::size_t Boundary = UnchangedOperatorsAfter(Term, Span, 3);
        const std::size_t Limit = Boundary == std::string::npos ? Boundary : Boundary + 1;
        const std::size_t Found = Start < Limit ? Term.Find(Operator, Start, Limit) : std::string::npos;
        if (Found == std::string::npos) {
            ++Index;
            continue;
        }
        const auto Length = static_cast<std::ptrdiff_t>(Term.Size());
        const auto At = static_cast<std::ptrdiff_t>(Found);
        if (At < 1) {
            Record = ChangedSpans{};
            return;
        }
        if (At > Length - 3) {
            return;
        }
        std::ptrdiff_t Left = At;
        while (Left != 0 && IsNumberChar(Term.At(Left - 1))) {
            --Left;
        }
        const std::ptrdiff_t OperatorEnd = At + Width - 1;
        std::ptrdiff_t Right = OperatorEnd;
        while (Right != Length - 1 && IsNumberChar(Term.At(Right + 1))) {
            ++Right;
        }
        if (Right == OperatorEnd || Left == At) {
            From = Found + 1;
            continue;
        }
        const double A = ReadNumber(Term.Substr(static_cast<std::size_t>(Left), Found - Left));
        const double B = ReadNumber(Term.Substr(static_cast<std::size_t>(OperatorEnd + 1),
                                                static_cast<std::size_t>(Right - OperatorEnd)));
        Term.Replace(static_cast<std::size_t>(Left), static_cast<std::size_t>(Right - Left + 1),
                     RelationHolds(Operator, A, B) ? "1" : "0");
        // The spans have moved with the replacement, so the look starts again from the first that
        // reaches past it.
        From = static_cast<std::size_t>(Left + 1);
        Index = 0;
    }
}

// The rewriting of one row with the effect of ReplaceAll: after a row's look no occurrence of its text is
// left, so every new occurrence overlaps text changed since.
void Rewrite(WorkingTerm& Term, const LogicRow& Row, const ChangedSpans& Since) {
    const std::size_t Reach = Row.Find.size() - 1;
    std::size_t From = 0;
    for (std::size_t Index = 0; Index < Since.Count();) {
        const auto Span = Since.At(Index, Term.Size());
        const std::size_t Start = std::max(From, Span.First > Reach ? Span.First - Reach : 0);
        const std::size_t Found =
            Start < Span.Last ? Term.Find(Row.Find, Start, Span.Last) : std::string::npos;
        if (Found == std::string::npos) {
            ++Index;
            continue;
        }
        Term.Replace(Found, Row.Find.size(), Row.Replace);
        // An occurrence the replacement creates overlaps it, and none lies wholly before it. The spans
        // have moved with the replacement, so the look starts again from the first that reaches From.
        From = Found > Reach ? Found - Reach : 0;
        Index = 0;
    }
}

} // namespace

void ResolveRelationsAndLogic(WorkingTerm& Term, RelationRecords& Records) {
    // Where nothing can occur, a look would find nothing; passing over it keeps the record collecting.
    if (Term.Count(WorkingTerm::Relational) > 0) {
        const bool TwoCharacter = Term.TwoCharacterRelations() > 0;
        auto& Record = TwoCharacter ? Records.TwoCharacter : Records.OneCharacter;
        const auto Order = TwoCharacter ? std::span<const std::string_view>(TwoCharacterOrder)
                                        : std::span<const std::string_view>(OneCharacterOrder);
        // Each operator sees the changes since the group's previous look, which include those since its own.
        ChangedSpans Since = Record;
        const Watching WatchSince(Term, Since);
        Record = ChangedSpans::Nothing();
        for (const auto Operator : Order) {
            Resolve(Term, Operator, Since, Record);
        }
    }
    if (Term.Count(WorkingTerm::KeywordLetter) > 0) {
        ChangedSpans Since = Records.Logic;
        const Watching WatchSince(Term, Since);
        Records.Logic = ChangedSpans::Nothing();
        for (const auto& Row : LogicRows) {
            Rewrite(Term, Row, Since);
        }
    }
}

} // namespace MODULCalc
