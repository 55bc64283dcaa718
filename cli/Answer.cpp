#include "cli/Answer.h"

#include "calc/MODULCalc.h"

#include <algorithm>
#include <array>

namespace cli {

std::string answer(const std::string& term, bool basicOnly) {
    static const std::array<std::string, MODULCalc::VariableSlots> Slots{};
    std::string result = MODULCalc::Calculate(term, 0, basicOnly ? -1 : 0, Slots, MODULCalc::VariableSlots);
    if (std::none_of(result.begin(), result.end(), [](char c) { return c == '\n' || c == '\r'; }))
        return result;
    std::string line;
    for (const char c : result)
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else
            line += c;
    return line;
}

} // namespace cli
