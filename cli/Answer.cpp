#include "cli/Answer.h"

#include "calc/MODULCalc.h"

#include <array>

namespace cli {

std::string answer(const std::string& term, bool basicOnly) {
    static const std::array<std::string, 32> slots{};
    return MODULCalc::Calculate(term, 0, basicOnly ? -1 : 0, slots, 32);
}

} // namespace cli
