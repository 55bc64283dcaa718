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
using Function = std::optional<std::string> (*)(double X, Evaluation& Eval);

std::optional<std::string> Log(double X, Evaluation&) {
    if (X <= 0) {
        return std::nullopt;
    }
    return WriteNumber(std::log(X));
}

std::optional<std::string> Sqr(double X, Evaluation&) {
    if (X < 0) {
        return std::nullopt;
    }
    return WriteNumber(std::sqrt(X));
}

std::optional<std::string> Cnt(double X, Evaluation&) {
    const double Rounded = RoundHalfEven(X);
    if (!(Rounded >= -32768.0 && Rounded <= 32767.0)) {
        throw CalcFault{Fault::Overflow};
    }
    return WriteInteger(static_cast<std::int64_t>(Rounded));
}

std::optional<std::string> Sgn(double X, Evaluation&) {
    return WriteInteger(X > 0 ? 1 : (X < 0 ? -1 : 0));
}

std::optional<std::string> Rnd(double X, Evaluation& Eval) {
    return WriteNumber(X * static_cast<double>(Eval.Rng.Next()));
}

std::optional<std::string> Var(double X, Evaluation& Eval) {
    const double Index = std::floor(X);
    if (Index < 0 || Index >= Eval.SlotCount) {
        return std::nullopt;
    }
    const auto Slot = static_cast<std::size_t>(Index);
    if (Slot >= Eval.Slots.size()) {
        throw CalcFault{Fault::IndexOutOfRange};
    }
    const std::string& Text = Eval.Slots[Slot];
    if (Eval.TermSize + Text.size() > Evaluation::MaxWorkingLength) {
        throw CalcFault{Fault::TooComplex};
    }
    return Text;
}

struct Entry {
    std::string_view Name;
    Function Apply;
};

// The names contain neither "e" nor "p", so normalisation leaves them in small letters whatever was typed.
// "fix" offers the truncation that the help topic "HELP FIX" describes.
constexpr std::array<Entry, 14> Table{{
    {"log", Log},
    {"sqr", Sqr},
    {"sin", [](double X, Evaluation&) -> std::optional<std::string> { return WriteNumber(std::sin(X)); }},
    {"cos", [](double X, Evaluation&) -> std::optional<std::string> { return WriteNumber(std::cos(X)); }},
    {"tan", [](double X, Evaluation&) -> std::optional<std::string> { return WriteNumber(std::tan(X)); }},
    {"atn", [](double X, Evaluation&) -> std::optional<std::string> { return WriteNumber(std::atan(X)); }},
    {"int", [](double X, Evaluation&) -> std::optional<std::string> { return WriteNumber(std::floor(X)); }},
    {"cnt", Cnt},
    {"abs", [](double X, Evaluation&) -> std::optional<std::string> { return WriteNumber(std::fabs(X)); }},
    {"sgn", Sgn},
    {"frc",
     [](double X, Evaluation&) -> std::optional<std::string> { return WriteNumber(X - std::floor(X)); }},
    {"fix", [](double X, Evaluation&) -> std::optional<std::string> { return WriteNumber(std::trunc(X)); }},
    {"rnd", Rnd},
    {"var", Var},
}};

} // namespace

FunctionOutcome ApplyFunction(std::string_view Name, std::string_view Argument, Evaluation& Eval) {
    // Most parentheses follow an operator or a digit, which no name begins with.
    if (Name.empty() || Name.front() < 'a' || Name.front() > 'z') {
        return {FunctionOutcome::Kind::NotAFunction, {}};
    }
    for (const auto& Candidate : Table) {
        if (Candidate.Name == Name) {
            auto Result = Candidate.Apply(ReadNumber(Argument), Eval);
            if (!Result) {
                return {FunctionOutcome::Kind::Refused, {}};
            }
            return {FunctionOutcome::Kind::Applied, std::move(*Result), Candidate.Name == "var"};
        }
    }
    return {FunctionOutcome::Kind::NotAFunction, {}};
}

} // namespace MODULCalc
