#include "calc/MODULCalc.h"

#include "calc/Console.h"
#include "calc/Evaluation.h"
#include "calc/Normalise.h"
#include "calc/Reduce.h"
#include "calc/TermText.h"

#include <new>

namespace MODULCalc {

namespace {

std::string evaluate(const std::string& term, bool hideConsole, bool basicOnly,
                     std::span<const std::string> slots, int slotCount, Random rng) {
    try {
        Evaluation eval{slots, slotCount, rng};
        const std::string_view trimmed = trimBlanks(term);
        if (auto answer = consoleAnswer(trimmed, hideConsole, basicOnly, slotCount))
            return std::move(*answer);
        auto working = normaliseTerm(trimmed);
        if (!working)
            return std::string(VersionBanner);
        const bool isLong = working->size() > ShortTermLength;
        return reduceTerm(std::move(*working), basicOnly, eval, isLong);
    } catch (const CalcFault& failure) {
        return faultText(failure.code);
    } catch (const std::bad_alloc&) {
        return faultText(Fault::OutOfMemory);
    } catch (...) {
        return faultText(Fault::Internal);
    }
}

} // namespace

std::string Calculate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                      std::span<const std::string> Slots, std::int16_t SlotCount) {
    return evaluate(Term, HideConsole != 0, BasicOnly != 0, Slots, SlotCount, Random(&secondsSinceMidnight));
}

std::string Calculate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                      std::span<const std::string> Slots, std::int16_t SlotCount,
                      double secondsSinceMidnight) {
    return evaluate(Term, HideConsole != 0, BasicOnly != 0, Slots, SlotCount, Random(secondsSinceMidnight));
}

} // namespace MODULCalc
