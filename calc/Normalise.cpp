#include "calc/Normalise.h"

#include "calc/TermText.h"

#include <array>

namespace MODULCalc {
namespace {

// "E" and "P" keep their capitals through the lower-casing and every "e" and "p" joins them; a plus sign
// directly after an exponent letter is dropped. Doing this in the same sweep as the lower-casing needs no
// marker characters, so no typed character can be mistaken for one. Only ASCII letters change case.
// The keyword eqv, in any case, keeps its "e" small so that the logical stage recognises it.
std::string unifyLetters(std::string_view term) {
    std::string text(term.size(), '\0');
    std::size_t out = 0;
    for (std::size_t pos = 0; pos < term.size(); ++pos) {
        const char c = term[pos];
        if ((c == 'E' || c == 'e') && toUpperAscii(term.substr(pos, 3)) == "EQV") {
            text.replace(out, 3, "eqv");
            out += 3;
            pos += 2;
        } else if (c == 'E' || c == 'e') {
            text[out++] = 'E';
            if (pos + 1 < term.size() && term[pos + 1] == '+')
                ++pos;
        } else if (c == 'P' || c == 'p') {
            text[out++] = 'P';
        } else {
            text[out++] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    text.resize(out);
    return text;
}

// Every minus sign becomes "+-" in one sweep; the inserted minus signs are not looked at again.
std::string splitMinusSigns(std::string_view text) {
    std::string split(text.size() * 2, '\0');
    std::size_t out = 0;
    for (const char c : text) {
        if (c == '-')
            split[out++] = '+';
        split[out++] = c;
    }
    split.resize(out);
    return split;
}

struct Rewrite {
    std::string_view find;
    std::string_view replace;
};

constexpr std::array<Rewrite, 3> BeforeMinusSplit{{
    {",", "."},
    {":", "/"},
    {"--", "+"},
}};

// Undoing the split where the minus sign is the sign of an operand rather than a subtraction.
constexpr std::array<Rewrite, 13> AfterMinusSplit{{
    {"#+-", "#-"},
    {"^+-", "^-"},
    {"*+-", "*-"},
    {"/+-", "/-"},
    {"++-", "+-"},
    {"(+-", "(-"},
    {"E+-", "E-"},
    {"%", "/100"},
    {" ", ""},
    {"{", "("},
    {"[", "("},
    {"]", ")"},
    {"}", ")"},
}};

} // namespace

std::optional<std::string> normaliseTerm(std::string_view term) {
    std::string text = unifyLetters(term);
    // A row whose text holds a character that is nowhere in the Term finds nothing; most Terms hold only
    // a few of the characters the rows look for. Characters are only added to the set, never taken out.
    std::array<bool, 256> present{};
    const auto note = [&present](std::string_view characters) {
        for (const char c : characters)
            present[static_cast<unsigned char>(c)] = true;
    };
    const auto apply = [&](const Rewrite& row) {
        for (const char c : row.find)
            if (!present[static_cast<unsigned char>(c)])
                return;
        ReplaceAll(text, row.find, row.replace);
        note(row.replace);
    };
    note(text);
    for (const auto& row : BeforeMinusSplit)
        apply(row);
    if (present['-']) {
        text = splitMinusSigns(text);
        note("+");
    }
    for (const auto& row : AfterMinusSplit)
        apply(row);
    if (text.empty())
        return std::nullopt;
    text.insert(text.begin(), '(');
    text += ')';
    // Blanks and brackets are only resolved now, so a negative number can stand right after any opening
    // parenthesis, the outer one included: "-5*3" is read as (-5)*3 and "[-5]" as ((-5)).
    ReplaceAll(text, "(+-", "(-");
    return text;
}

} // namespace MODULCalc
