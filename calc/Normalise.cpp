#include "calc/Normalise.h"

#include "calc/TermText.h"

#include <array>
#include <bitset>

namespace MODULCalc {
namespace {

// "E" and "P" keep their capitals through the lower-casing and every "e" and "p" joins them; a plus sign
// directly after an exponent letter is dropped. Doing this in the same sweep as the lower-casing needs no
// marker characters, so no typed character can be mistaken for one. Only ASCII letters change case.
// The keyword eqv, in any case, keeps its "e" small so that the logical stage recognises it.
std::string UnifyLetters(std::string_view Term) {
    std::string Text;
    Text.reserve(Term.size());
    for (std::size_t Pos = 0; Pos < Term.size(); ++Pos) {
        const char C = Term[Pos];
        if ((C == 'E' || C == 'e') && ToUpperAscii(Term.substr(Pos, 3)) == "EQV") {
            Text += "eqv";
            Pos += 2;
        } else if (C == 'E' || C == 'e') {
            Text += 'E';
            if (Pos + 1 < Term.size() && Term[Pos + 1] == '+') {
                ++Pos;
            }
        } else if (C == 'P' || C == 'p') {
            Text += 'P';
        } else if (C >= 'A' && C <= 'Z') {
            Text += static_cast<char>(C - 'A' + 'a');
        } else {
            Text += C;
        }
    }
    return Text;
}

// Every minus sign becomes "+-" in one sweep; the inserted minus signs are not looked at again.
std::string SplitMinusSigns(std::string_view Text) {
    std::string Split;
    Split.reserve(Text.size() + Text.size() / 4);
    for (const char C : Text) {
        if (C == '-') {
            Split += '+';
        }
        Split += C;
    }
    return Split;
}

struct Rewrite {
    std::string_view Find;
    std::string_view Replace;
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

std::optional<std::string> NormaliseTerm(std::string_view Term) {
    std::string Text = UnifyLetters(Term);
    // A row whose text holds a character that is nowhere in the Term finds nothing; most Terms hold only
    // a few of the characters the rows look for. Characters are only added to the set, never taken out.
    std::bitset<256> Present;
    const auto Note = [&Present](std::string_view Characters) {
        for (const char C : Characters) {
            Present.set(static_cast<unsigned char>(C));
        }
    };
    const auto Apply = [&](const Rewrite& Row) {
        for (const char C : Row.Find) {
            if (!Present.test(static_cast<unsigned char>(C))) {
                return;
            }
        }
        ReplaceAll(Text, Row.Find, Row.Replace);
        Note(Row.Replace);
    };
    Note(Text);
    for (const auto& Row : BeforeMinusSplit) {
        Apply(Row);
    }
    if (Present.test('-')) {
        Text = SplitMinusSigns(Text);
        Note("+");
    }
    for (const auto& Row : AfterMinusSplit) {
        Apply(Row);
    }
    if (Text.empty()) {
        return std::nullopt;
    }
    Text = "(" + Text + ")";
    // Blanks and brackets are only resolved now, so a negative number can stand right after any opening
    // parenthesis, the outer one included: "-5*3" is read as (-5)*3 and "[-5]" as ((-5)).
    ReplaceAll(Text, "(+-", "(-");
    return Text;
}

} // namespace MODULCalc
