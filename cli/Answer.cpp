#include "cli/Answer.h"

#include "calc/MODULCalc.h"

#include <array>

namespace numbra {

std::string Answer(const std::string& Term, bool BasicOnly) {
    static const std::array<std::string, 32> Slots{};
    return MODULCalc::Calculate(Term, 0, BasicOnly ? -1 : 0, Slots, 32);
}

} // namespace numbra
