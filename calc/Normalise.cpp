#include "calc/Normalise.h"

#include "calc/TermText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace MODULCalc {
namespace {

// What the text holds: its characters, and the pairs of neighbouring characters. A row whose text holds a
// character or a pair that is nowhere in the Term finds nothing, and most Terms hold few of the
// characters and fewer of the pairs the rows look for. Characters are only ever added. The pairs are
// noted by the sweeps that write the text, forgotten when a row changes it and then learnt again in one
// sweep when a row asks; they are kept hashed, so a pair may be taken for present by mistake but never
// for absent.
class Presence {
public:
    void note(char c) { characters_[static_cast<unsigned char>(c)] = true; }
    void note(std::string_view characters) {
        for (const char c : characters)
            note(c);
    }
    void notePair(char first, char second) {
        const std::size_t index = pairIndex(first, second);
        pairs_[index / 64] |= std::uint64_t{1} << (index % 64);
    }
    void forgetPairs() { pairsKnown_ = false; }
    bool mayHold(std::string_view text, std::string_view find) {
        for (const char c : find)
            if (!characters_[static_cast<unsigned char>(c)])
                return false;
        if (find.size() < 2)
            return true;
        if (!pairsKnown_)
            learnPairs(text);
        for (std::size_t pos = 1; pos < find.size(); ++pos)
            if (!hasPair(find[pos - 1], find[pos]))
                return false;
        return true;
    }

private:
    static std::size_t pairIndex(char first, char second) {
        return (static_cast<unsigned char>(first) * 67U + static_cast<unsigned char>(second)) % PairBits;
    }
    bool hasPair(char first, char second) const {
        const std::size_t index = pairIndex(first, second);
        return (pairs_[index / 64] >> (index % 64) & 1U) != 0;
    }
    void learnPairs(std::string_view text) {
        pairs_ = {};
        for (std::size_t pos = 1; pos < text.size(); ++pos)
            notePair(text[pos - 1], text[pos]);
        pairsKnown_ = true;
    }

    static constexpr std::size_t PairBits = 1024;
    std::array<bool, 256> characters_{};
    std::array<std::uint64_t, PairBits / 64> pairs_{};
    bool pairsKnown_ = true;
};

// Every letter as the later stages read it: small, except the exponent letter and pi.
constexpr auto Unified = [] {
    std::array<char, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        const auto c = static_cast<char>(byte);
        table[byte] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    table['p'] = 'P';
    table['P'] = 'P';
    table['e'] = 'E';
    table['E'] = 'E';
    return table;
}();

// "E" and "P" keep their capitals through the lower-casing and every "e" and "p" joins them; a plus sign
// directly after an exponent letter is dropped. Doing this in the same sweep as the lower-casing needs no
// marker characters, so no typed character can be mistaken for one. Only ASCII letters change case.
// The keyword eqv, in any case, keeps its "e" small so that the logical stage recognises it. Notes every
// character it writes.
void unifyLetters(std::string_view term, std::string& text, Presence& presence) {
    text.resize(term.size());
    char* const first = text.data();
    char* out = first;
    const auto write = [&](char c) {
        presence.note(c);
        if (out != first)
            presence.notePair(out[-1], c);
        *out++ = c;
    };
    for (std::size_t pos = 0; pos < term.size(); ++pos) {
        const char c = term[pos];
        if ((c == 'E' || c == 'e') && toUpperAscii(term.substr(pos, 3)) == "EQV") {
            for (const char letter : std::string_view("eqv"))
                write(letter);
            pos += 2;
            continue;
        }
        if ((c == 'E' || c == 'e') && pos + 1 < term.size() && term[pos + 1] == '+')
            ++pos;
        write(Unified[static_cast<unsigned char>(c)]);
    }
    text.resize(static_cast<std::size_t>(out - first));
}

// Every minus sign becomes "+-" in one sweep from the end; the inserted minus signs are not looked at
// again.
void splitMinusSigns(std::string& text, Presence& presence) {
    std::size_t read = text.size();
    text.resize(read + static_cast<std::size_t>(std::count(text.begin(), text.end(), '-')));
    for (std::size_t write = text.size(); read > 0;) {
        const char c = text[--read];
        text[--write] = c;
        if (c != '-')
            continue;
        text[--write] = '+';
        presence.notePair('+', '-');
        if (read > 0)
            presence.notePair(text[read - 1], '+');
    }
    presence.note('+');
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
    // One text for every row: a row finds in place, and the text has room for every minus sign to become
    // two characters and for the outer parentheses.
    std::string text;
    text.reserve(term.size() * 2 + 2);
    Presence presence;
    const auto apply = [&](const Rewrite& row) {
        if (!presence.mayHold(text, row.find) || findText(text, row.find) == std::string::npos)
            return;
        ReplaceAll(text, row.find, row.replace);
        presence.note(row.replace);
        presence.forgetPairs();
    };
    unifyLetters(term, text, presence);
    for (const auto& row : BeforeMinusSplit)
        apply(row);
    if (presence.mayHold(text, "-"))
        splitMinusSigns(text, presence);
    for (const auto& row : AfterMinusSplit)
        apply(row);
    if (text.empty())
        return std::nullopt;
    presence.notePair('(', text.front());
    presence.notePair(text.back(), ')');
    text.insert(text.begin(), '(');
    text += ')';
    presence.note("()");
    // Blanks and brackets are only resolved now, so a negative number can stand right after any opening
    // parenthesis, the outer one included: "-5*3" is read as (-5)*3 and "[-5]" as ((-5)).
    apply({"(+-", "(-"});
    return text;
}

} // namespace MODULCalc
