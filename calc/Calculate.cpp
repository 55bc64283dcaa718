#include "calc/MODULCalc.h"

#include "calc/Console.h"
#include "calc/Evaluation.h"
#include "calc/LongTerm.h"
#include "calc/Normalise.h"
#include "calc/ShortTerm.h"
#include "calc/TermText.h"

#include <new>

namespace MODULCalc {

namespace {

std::string Evaluate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                     std::span<const std::string> Slots, std::int16_t SlotCount, Random Rng) {
    try {
        Evaluation Eval{Slots, SlotCount, Rng};
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
        return ReduceLong(std::move(*Working), BasicOnly, Eval);
    } catch (const CalcFault& Failure) {
        return FaultText(Failure.Code);
    } catch (const std::bad_alloc&) {
        return FaultText(Fault::OutOfMemory);
    } catch (...) {
        return FaultText(Fault::Internal);
    }
}

} // namespace

std::string Calculate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                      std::span<const std::string> Slots, std::int16_t SlotCount) {
    return Evaluate(Term, HideConsole, BasicOnly, Slots, SlotCount, Random(&SecondsSinceMidnight));
}

std::string Calculate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                      std::span<const std::string> Slots, std::int16_t SlotCount,
                      double SecondsSinceMidnight) {
    return Evaluate(Term, HideConsole, BasicOnly, Slots, SlotCount, Random(SecondsSinceMidnight));
}

} // namespace MODULCalc
