#include "calc/MODULCalc.h"

#include "calc/Arithmetic.h"
#include "calc/Console.h"
#include "calc/Evaluation.h"
#include "calc/GapText.h"
#include "calc/Normalise.h"
#include "calc/Parentheses.h"
#include "calc/Relations.h"
#include "calc/ShortTerm.h"
#include "calc/TermText.h"
#include "calc/WorkingTerm.h"

#include <new>

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

// Passes until one changes nothing; its text is the result, reduced or not.
std::string Reduce(std::string Normalised, std::int16_t BasicOnly, Evaluation& Eval) {
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

} // namespace

std::string Calculate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                      std::span<const std::string> Slots, std::int16_t SlotCount) {
    return Calculate(Term, HideConsole, BasicOnly, Slots, SlotCount, SecondsSinceMidnight());
}

std::string Calculate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                      std::span<const std::string> Slots, std::int16_t SlotCount,
                      double SecondsSinceMidnight) {
    try {
        Evaluation Eval{Slots, SlotCount, Random(SecondsSinceMidnight)};
        const std::string_view Trimmed = TrimBlanks(Term);
        if (auto Answer = ConsoleAnswer(Trimmed, HideConsole, BasicOnly, SlotCount)) {
            return std::move(*Answer);
        }
        auto Working = NormaliseTerm(Trimmed);
        if (!Working) {
            return std::string(VersionBanner);
        }
        if (Working->size() <= ShortTermLength) {
            auto Short = ReduceShort(std::move(*Working), BasicOnly, Eval);
            if (Short.Finished) {
                return std::move(Short.Text);
            }
            Working = std::move(Short.Text);
        }
        return Reduce(std::move(*Working), BasicOnly, Eval);
    } catch (const CalcFault& Failure) {
        return FaultText(Failure.Code);
    } catch (const std::bad_alloc&) {
        return FaultText(Fault::OutOfMemory);
    } catch (...) {
        return FaultText(Fault::Internal);
    }
}

} // namespace MODULCalc
