#include "calc/Functions.h"

#include "calc/Evaluation.h"
#include "calc/NumberText.h"
#include "calc/TermText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace MODULCalc {
namespace {

// Nothing means the function refuses the argument and its call stays in the Term.
using Function = std::optional<std::string> (*)(double x, Evaluation& eval);

std::optional<std::string> naturalLog(double x, Evaluation&) {
    if (x <= 0)
        return std::nullopt;
    return writeNumber(std::log(x));
}

std::optional<std::string> squareRoot(double x, Evaluation&) {
    if (x < 0)
        return std::nullopt;
    return writeNumber(std::sqrt(x));
}

std::optional<std::string> roundToInt16(double x, Evaluation&) {
    const double rounded = roundHalfEven(x);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw CalcFault{Fault::Overflow};
    return writeInteger(static_cast<std::int64_t>(rounded));
}

std::optional<std::string> sign(double x, Evaluation&) {
    return writeInteger(x > 0 ? 1 : (x < 0 ? -1 : 0));
}

std::optional<std::string> scaledRandom(double x, Evaluation& eval) {
    return writeNumber(x * static_cast<double>(eval.rng.next()));
}

std::optional<std::string> slotText(double x, Evaluation& eval) {
    const double index = std::floor(x);
    if (index < 0 || index >= eval.slotCount)
        return std::nullopt;
    const auto slot = static_cast<std::size_t>(index);
    if (slot >= eval.slots.size())
        throw CalcFault{Fault::IndexOutOfRange};
    const std::string& text = eval.slots[slot];
    eval.chargeSlotCall(text.size());
    return text;
}

struct Entry {
    std::string_view name;
    Function apply;
};

// The names contain neither "e" nor "p", so normalisation leaves them in small letters whatever was typed.
// "fix" offers the truncation that the help topic "HELP FIX" describes.
constexpr std::array<Entry, 14> Table{{
    {"log", naturalLog},
    {"sqr", squareRoot},
    {"sin", [](double x, Evaluation&) -> std::optional<std::string> { return writeNumber(std::sin(x)); }},
    {"cos", [](double x, Evaluation&) -> std::optional<std::string> { return writeNumber(std::cos(x)); }},
    {"tan", [](double x, Evaluation&) -> std::optional<std::string> { return writeNumber(std::tan(x)); }},
    {"atn", [](double x, Evaluation&) -> std::optional<std::string> { return writeNumber(std::atan(x)); }},
    {"int", [](double x, Evaluation&) -> std::optional<std::string> { return writeNumber(std::floor(x)); }},
    {"cnt", roundToInt16},
    {"abs", [](double x, Evaluation&) -> std::optional<std::string> { return writeNumber(std::fabs(x)); }},
    {"sgn", sign},
    {"frc",
     [](double x, Evaluation&) -> std::optional<std::string> { return writeNumber(x - std::floor(x)); }},
    {"fix", [](double x, Evaluation&) -> std::optional<std::string> { return writeNumber(std::trunc(x)); }},
    {"rnd", scaledRandom},
    {"var", slotText},
}};

} // namespace

FunctionOutcome applyFunction(std::string_view name, std::string_view argument, Evaluation& eval) {
    // Most parentheses follow an operator or a digit, which no name begins with.
    if (name.empty() || name.front() < 'a' || name.front() > 'z')
        return {FunctionOutcome::Kind::NotAFunction, {}};
    for (const auto& candidate : Table) {
        if (candidate.name == name) {
            auto result = candidate.apply(readNumber(argument), eval);
            if (!result)
                return {FunctionOutcome::Kind::Refused, {}};
            return {FunctionOutcome::Kind::Applied, std::move(*result)};
        }
    }
    return {FunctionOutcome::Kind::NotAFunction, {}};
}

} // namespace MODULCalc
