#pragma once

#include <string>
#include <string_view>

namespace MODULCalc {

struct Evaluation;

struct FunctionOutcome {
    enum class Kind { NotAFunction, Refused, Applied };
    Kind what;
    // The untidied result text when the function applied.
    std::string text;
};

// Applies the three-letter function name to the prepared argument text.
FunctionOutcome applyFunction(std::string_view name, std::string_view argument, Evaluation& eval);

} // namespace MODULCalc
