#include "calc/MODULCalc.h"

#include "calc/Arithmetic.h"
#include "calc/Console.h"
#include "calc/Evaluation.h"
#include "calc/Normalise.h"
#include "calc/Parentheses.h"
#include "calc/Relations.h"
#include "calc/TermText.h"

#include <new>

namespace MODULCalc {
namespace {

// The work that text inserted by var may cause in one evaluation (see Evaluation::Charge). Terms without
// var are never charged: every pass that changes such a Term takes out at least one character that is not
// part of a number, so they end by themselves, however long they are.
constexpr std::size_t WorkAllowance = std::size_t{1} << 24;

} // namespace

std::string Calculate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                      std::span<const std::string> Slots, std::int16_t SlotCount) {
    return Calculate(Term, HideConsole, BasicOnly, Slots, SlotCount, SecondsSinceMidnight());
}

std::string Calculate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                      std::span<const std::string> Slots, std::int16_t SlotCount,
                      double SecondsSinceMidnight) {
    try {
        Evaluation Eval{Slots, SlotCount, Random(SecondsSinceMidnight), WorkAllowance};
        const std::string_view Trimmed = TrimBlanks(Term);
        if (auto Answer = ConsoleAnswer(Trimmed, HideConsole, BasicOnly, SlotCount)) {
            return std::move(*Answer);
        }
        auto Working = NormaliseTerm(Trimmed);
        if (!Working) {
            return std::string(VersionBanner);
        }
        // A pass that changes nothing ends the evaluation; its text is the result, reduced or not.
        std::string Previous;
        while (*Working != Previous) {
            Eval.TermSize = Working->size();
            Previous = *Working;
            ReduceArithmetic(*Working);
            RemoveParentheses(*Working, Eval);
            if (BasicOnly == 0) {
                ResolveRelationsAndLogic(*Working);
            }
        }
        return std::move(*Working);
    } catch (const CalcFault& Failure) {
        return FaultText(Failure.Code);
    } catch (const std::bad_alloc&) {
        return FaultText(Fault::OutOfMemory);
    } catch (...) {
        return FaultText(Fault::Internal);
    }
}

} // namespace MODULCalc
