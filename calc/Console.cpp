#include "calc/Console.h"

#include "calc/MODULCalc.h"
#include "calc/TermText.h"

#include <array>
#include <initializer_list>

namespace MODULCalc {
namespace {

enum class Group { Any, Professional };

// When an answer has a second form and which flag selects it.
enum class Variant { None, WhenBasicOnly, WhenNoSlots };

struct Command {
    std::initializer_list<std::string_view> keys;
    std::string_view answer;
    Group belongs = Group::Any;
    Variant alternative = Variant::None;
    std::string_view alternativeAnswer = {};
};

// Keys are tested in this order and the first match answers.
const std::array<Command, 43> Commands{{
    {{"COMMANDS", "HELP COMMANDS"},
     "Please choose: basic advanced professional",
     Group::Any,
     Variant::WhenBasicOnly,
     "Please choose: basic advanced"},
    {{"BASIC"}, "0123456789-.,E   P   +-*/#^()"},
    {{"HELP BASIC"}, "Shows allowed characters and arithmetic operations"},
    {{"ADVANCED"}, "log sqr int cnt abs frc rnd sgn sin cos tan atn"},
    {{"HELP ADVANCED"}, "shows additional operations"},
    {{"PROFESSIONAL"},
     "< <= = => > <> | and or xor eqv not var()",
     Group::Professional,
     Variant::WhenNoSlots,
     "< <= = => > <> | and or xor eqv not"},
    {{"HELP PROFESSIONAL"}, "shows relational and logical operations", Group::Professional},
    {{"HELP CONSOLE"}, "Commands: help[...] commands copyright homepage email new version"},
    {{"HELP EXAMPLE"}, "Simply enter your term (e.g. 1+1+2*3/4) and you'll get your result."},
    {{"HELP", "?", "/?"}, "Type \"help [<expression>/example/console] \" to get specific help"},
    {{"HELP P"}, "pi (3.1415926536)"},
    {{"HELP +"}, "Addition"},
    {{"HELP -"}, "Substraction."},
    {{"HELP *"}, "Multiplication"},
    {{"HELP /"}, "Division"},
    {{"HELP #"}, "Returns the remainder of an integer division"},
    {{"HELP ^"}, "Exponentiation"},
    {{"HELP ABS"}, "Returns the absolute value"},
    {{"HELP ATN"}, "Returns the arctangent of an angle given in radians"},
    {{"HELP COS"}, "Returns the cosine of an angle given in radians"},
    {{"HELP SIN"}, "Returns the sine of an angle given in radians"},
    {{"HELP TAN"}, "Returns the tangent of an angle given in radians"},
    {{"HELP LOG"}, "Returns the natural logarithm"},
    {{"HELP SQR"}, "Returns the square root"},
    {{"HELP INT"}, "Returns the largest integer less than or equal to your numeric-expression"},
    {{"HELP CNT"}, "Converts to an integer by rounding the fractional part"},
    {{"HELP FIX"}, "Returns the truncated integer part"},
    {{"HELP FRC"}, "Returns the fractional part"},
    {{"HELP RND"}, "Returns a single-precision random number between 0 and your numeric-expression"},
    {{"HELP SGN"}, "Indicates the sign of a numeric expression (-1,0,1)"},
    {{"COPYRIGHT"}, "Copyright (C) 2026 The Scrivlet developers"},
    {{"EMAIL"}, "numbra@example.com"},
    {{"HOMEPAGE"}, "https://scrivlet.example.com"},
    {{"NEW"}, "< <= = => > => <> <= = | and or xor eqv not"},
    {{"VERSION"}, VersionBanner},
    {{"HELP >", "HELP >=", "HELP =>", "HELP <", "HELP <=", "HELP =<", "HELP =", "HELP <>"},
     "If true, result is 1, otherwise 0",
     Group::Professional},
    {{"HELP |"}, "Not equal operation. If true, result is 1, otherwise 0", Group::Professional},
    {{"HELP AND"}, "Returns 1 if both values are 1", Group::Professional},
    {{"HELP OR"}, "Returns 1 if any value is 1", Group::Professional},
    {{"HELP XOR"}, "Returns 1 if ONE! value is 1", Group::Professional},
    {{"HELP EQV"}, "Returns 1 if values are equivalent", Group::Professional},
    {{"HELP NOT"}, "NOT0 returns 1, NOT1 returns 0", Group::Professional},
    {{"HELP VAR"},
     "Uses Variable according to result",
     Group::Professional,
     Variant::WhenNoSlots,
     VersionBanner},
}};

// No key is longer than this; longer Terms skip the table without being copied.
constexpr std::size_t LongestKey = 17;

std::string_view choose(const Command& entry, bool basicOnly, int slotCount) {
    if (entry.belongs == Group::Professional && basicOnly)
        return VersionBanner;
    const bool alternative = (entry.alternative == Variant::WhenBasicOnly && basicOnly) ||
                             (entry.alternative == Variant::WhenNoSlots && slotCount == 0);
    return alternative ? entry.alternativeAnswer : entry.answer;
}

} // namespace

std::optional<std::string> consoleAnswer(std::string_view trimmedTerm, bool hideConsole, bool basicOnly,
                                         int slotCount) {
    // Every key begins with a letter, "?" or "/", which rules out most Terms at once.
    const char first = trimmedTerm.empty() ? '\0' : trimmedTerm.front();
    const bool mayBeKey =
        (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z') || first == '?' || first == '/';
    if (trimmedTerm.size() > LongestKey || !mayBeKey)
        return std::nullopt;
    const std::string key = toUpperAscii(trimmedTerm);
    for (const auto& entry : Commands) {
        for (const auto candidate : entry.keys)
            if (candidate == key)
                return std::string(hideConsole ? VersionBanner : choose(entry, basicOnly, slotCount));
    }
    return std::nullopt;
}

} // namespace MODULCalc
