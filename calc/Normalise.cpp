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

// Digits, points, the arithmetic operators and parentheses: no row but the minus rows can find anything in a
// Term made only of these.
constexpr auto PlainChars = [] {
    std::array<bool, 256> Table{};
    for (const char C : std::string_view("0123456789.+*/^#()-")) {
        Table[static_cast<unsigned char>(C)] = true;
    }
    return Table;
}();

// The rows in one sweep, for a plain Term; nothing for any other. In such a Term "--" pairs the minus signs
// of each run into plus signs, and the last minus of an odd run becomes "+-", which the later rows then
// shorten by what stands before it: a run of plus signs collapses into one ("++-"); right after "#^*/"
// without a plus sign between, or after "(" or the start, the plus goes.
std::optional<std::string> NormalisePlain(std::string_view Term) {
    // No character turns into more than two.
    std::string Text(Term.size() * 2 + 2, '(');
    std::size_t Out = 1;
    for (std::size_t Pos = 0; Pos < Term.size();) {
        const char C = Term[Pos];
        if (!PlainChars[static_cast<unsigned char>(C)]) {
            return std::nullopt;
        }
        ++Pos;
        if (C != '-') {
            Text[Out++] = C;
            continue;
        }
        std::size_t Minuses = 1;
        for (; Pos < Term.size() && Term[Pos] == '-'; ++Pos) {
            ++Minuses;
        }
        for (std::size_t Plus = 0; Plus < Minuses / 2; ++Plus) {
            Text[Out++] = '+';
        }
        if (Minuses % 2 == 0) {
            continue;
        }
        const std::size_t Kept = Text.find_last_not_of('+', Out - 1) + 1;
        const bool Pluses = Kept < Out;
        Out = Kept;
        const char Before = Text[Out - 1];
        const bool Operator = Before == '#' || Before == '^' || Before == '*' || Before == '/';
        if (!(Operator && !Pluses) && Before != '(') {
            Text[Out++] = '+';
        }
        Text[Out++] = '-';
    }
    Text[Out++] = ')';
    Text.resize(Out);
    return Text;
}

} // namespace

std::optional<std::string> NormaliseTerm(std::string_view Term) {
    if (!Term.empty()) {
        if (auto Plain = NormalisePlain(Term)) {
            return Plain;
        }
    }
    return NormaliseByRows(Term);
}

std::optional<std::string> NormaliseByRows(std::string_view Term) {
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
