#pragma once

#include <string>
#include <string_view>

namespace MODULCalc {

struct Evaluation;

struct FunctionOutcome {
    enum class Kind { NotAFunction, Refused, Applied };
    Kind What;
    // The untidied result text when the function applied.
    std::string Text;
    // Whether Text is a slot's, inserted by var.
    bool FromSlot = false;
};

// Applies the three-letter function Name to the prepared argument text.
FunctionOutcome ApplyFunction(std::string_view Name, std::string_view Argument, Evaluation& Eval);

} // namespace MODULCalc
