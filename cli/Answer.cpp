#include "cli/Answer.h"

#include "calc/MODULCalc.h"

#include <array>

namespace cli {

std::string answer(const std::string& term, bool basicOnly) {
    static const std::array<std::string, MODULCalc::VariableSlots> slots{};
    return MODULCalc::Calculate(term, 0, basicOnly ? -1 : 0, slots, MODULCalc::VariableSlots);
}

} // namespace cli
