#include "calc/LongTerm.h"

#include "calc/Arithmetic.h"
#include "calc/Evaluation.h"
#include "calc/GapText.h"
#include "calc/Parentheses.h"
#include "calc/Relations.h"
#include "calc/WorkingTerm.h"

namespace MODULCalc {
namespace {

// What every stage saw on its previous look, kept up to date by the term while the passes change it.
struct PassRecords {
    ArithmeticRecord Arithmetic{};
    ParenthesesRecord Parentheses{};
    RelationRecords Relations{};

    void WatchedBy(WorkingTerm& Term) {
        Term.Watch(Arithmetic.Since);
        for (auto& Level : Arithmetic.Joined) {
            Term.Watch(Level);
        }
        for (auto& Level : Arithmetic.GaveUp) {
            Term.Watch(Level);
        }
        Term.Watch(Parentheses.Since);
        Term.Watch(Relations.TwoCharacter);
        Term.Watch(Relations.OneCharacter);
        Term.Watch(Relations.Logic);
    }
};

// Whether the text between the unchanged ends differs from what stood there before.
bool Differs(const WorkingTerm& Term, const GapText& Before, const Unchanged& Same) {
    if (Term.Size() != Before.Size()) {
        return true;
    }
    for (std::size_t Pos = Same.Prefix; Pos < Same.SuffixStart(Term.Size()); ++Pos) {
        if (Term.At(static_cast<std::ptrdiff_t>(Pos)) != Before.At(static_cast<std::ptrdiff_t>(Pos))) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string ReduceLong(std::string Normalised, std::int16_t BasicOnly, Evaluation& Eval) {
    GapText Previous(Normalised);
    WorkingTerm Term(std::move(Normalised));
    PassRecords Records;
    Records.WatchedBy(Term);
    for (;;) {
        const std::size_t Size = Term.Size();
        Unchanged Same = Unchanged::Whole(Size);
        const Watching WatchSame(Term, Same);
        Eval.TermSize = Size;
        ReduceArithmetic(Term, Records.Arithmetic);
        RemoveParentheses(Term, Eval, Records.Parentheses);
        if (BasicOnly == 0) {
            ResolveRelationsAndLogic(Term, Records.Relations);
        }
        if (Same.Prefix == Size && Same.Suffix == Size) {
            return Term.Release();
        }
        // Only slot text inserted by var can make a pass give back the text it started from.
        if (!Differs(Term, Previous, Same)) {
            return Term.Release();
        }
        const std::size_t Middle = Same.SuffixStart(Term.Size()) - Same.Prefix;
        Previous.Replace(Same.Prefix, Size - Same.Suffix - Same.Prefix, Term.Substr(Same.Prefix, Middle));
    }
}

} // namespace MODULCalc
