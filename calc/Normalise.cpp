#include "calc/Normalise.h"

#include "calc/TermText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace MODULCalc {
namespace {

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

// Blanks and brackets are only resolved now, so a negative number can stand right after any opening
// parenthesis, the outer one included: "-5*3" is read as (-5)*3 and "[-5]" as ((-5)).
constexpr Rewrite AfterParentheses{"(+-", "(-"};

template <typename Visit> constexpr void forEveryFind(Visit visit) {
    for (const auto& row : BeforeMinusSplit)
        visit(row.find);
    for (const auto& row : AfterMinusSplit)
        visit(row.find);
    visit(AfterParentheses.find);
}

// Every character a row looks for has a bit of its own; the others have none, as no row can find them.
constexpr auto Bits = [] {
    std::array<std::uint64_t, 256> bits{};
    int next = 0;
    forEveryFind([&](std::string_view find) {
        for (const char c : find)
            if (bits[static_cast<unsigned char>(c)] == 0)
                bits[static_cast<unsigned char>(c)] = std::uint64_t{1} << next++;
    });
    return bits;
}();

constexpr std::uint64_t bitsOf(std::string_view characters) {
    std::uint64_t bits = 0;
    for (const char c : characters)
        bits |= Bits[static_cast<unsigned char>(c)];
    return bits;
}

template <std::size_t Count> constexpr auto bitsOfRows(const std::array<Rewrite, Count>& rows) {
    std::array<std::uint64_t, Count> bits{};
    for (std::size_t index = 0; index < Count; ++index)
        bits[index] = bitsOf(rows[index].find);
    return bits;
}
constexpr auto BeforeMinusSplitBits = bitsOfRows(BeforeMinusSplit);
constexpr auto AfterMinusSplitBits = bitsOfRows(AfterMinusSplit);

// The characters that stand second in a pair a row looks for, each with a slot of its own; slot 0 takes
// every other character.
constexpr std::size_t SecondSlots = 4;
constexpr auto SecondSlot = [] {
    std::array<std::uint8_t, 256> slots{};
    std::uint8_t next = 1;
    forEveryFind([&](std::string_view find) {
        for (std::size_t pos = 1; pos < find.size(); ++pos)
            if (slots[static_cast<unsigned char>(find[pos])] == 0)
                slots[static_cast<unsigned char>(find[pos])] = next++;
    });
    return slots;
}();
static_assert(SecondSlot[static_cast<unsigned char>('+')] < SecondSlots &&
              SecondSlot[static_cast<unsigned char>('-')] < SecondSlots);

// What the text holds of what the rows look for: its characters, and for every character that stands
// second in a pair of a row, the characters that stand before it. A row whose text holds a character or a
// pair that is nowhere in the Term finds nothing, and most Terms hold few of them. The sweeps that write
// the text note both as they go; a row that replaces something leaves the pairs unknown, as if every
// pair were there.
class Presence {
public:
    void note(std::uint64_t characterBits) { characters_ |= characterBits; }
    void note(std::string_view characters) {
        for (const char c : characters)
            note(Bits[static_cast<unsigned char>(c)]);
    }
    void notePair(char first, char second) {
        pairs_[SecondSlot[static_cast<unsigned char>(second)]] |= Bits[static_cast<unsigned char>(first)];
    }
    // The same for a character written after one whose bits were firstBits. Few characters stand second
    // in a row's pair; updating slot 0 for every other one would chain each character's note to the
    // previous one's.
    void notePair(std::uint64_t firstBits, char second) {
        if (const std::uint8_t slot = SecondSlot[static_cast<unsigned char>(second)]; slot != 0)
            pairs_[slot] |= firstBits;
    }
    void forgetPairs() { pairs_.fill(~std::uint64_t{0}); }
    // needed is bitsOf(find).
    bool mayHold(std::string_view find, std::uint64_t needed) const {
        if ((characters_ & needed) != needed)
            return false;
        for (std::size_t pos = 1; pos < find.size(); ++pos)
            if ((pairs_[SecondSlot[static_cast<unsigned char>(find[pos])]] &
                 Bits[static_cast<unsigned char>(find[pos - 1])]) == 0)
                return false;
        return true;
    }

private:
    std::uint64_t characters_ = 0;
    std::array<std::uint64_t, SecondSlots> pairs_{};
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
// character it writes, in a presence of its own: the characters it writes may alias anything reached
// through a reference, which would keep the presence out of registers.
Presence unifyLetters(std::string_view term, std::string& text) {
    Presence presence;
    text.resize(term.size());
    char* const first = text.data();
    char* out = first;
    std::uint64_t previous = 0;
    // Gathered in a variable of its own and noted once: noting every character in the presence, which the
    // written characters may alias, would chain each character's note to the previous one's in memory.
    std::uint64_t written = 0;
    const auto write = [&](char c) {
        const std::uint64_t bits = Bits[static_cast<unsigned char>(c)];
        written |= bits;
        presence.notePair(previous, c);
        previous = bits;
        *out++ = c;
    };
    for (std::size_t pos = 0; pos < term.size(); ++pos) {
        const char c = Unified[static_cast<unsigned char>(term[pos])];
        if (c == 'E') {
            if (toUpperAscii(term.substr(pos, 3)) == "EQV") {
                for (const char letter : std::string_view("eqv"))
                    write(letter);
                pos += 2;
                continue;
            }
            if (pos + 1 < term.size() && term[pos + 1] == '+')
                ++pos;
        }
        write(c);
    }
    text.resize(static_cast<std::size_t>(out - first));
    presence.note(written);
    return presence;
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
        if (read > 0)
            presence.notePair(text[read - 1], '+');
    }
    presence.note("+");
    presence.notePair('+', '-');
}

// What the longest number a pass writes takes.
constexpr std::size_t ResultRoom = 24;

} // namespace

std::optional<std::string> normaliseTerm(std::string_view term) {
    // One text for every row, and for the passes after them: a row finds in place, and the text has room
    // for every minus sign to become two characters, for the outer parentheses and for a result longer than
    // what it replaces.
    std::string text;
    text.reserve(term.size() * 2 + 2 + ResultRoom);
    Presence presence = unifyLetters(term, text);
    const auto apply = [&](const Rewrite& row, std::uint64_t needed) {
        if (!presence.mayHold(row.find, needed) || findText(text, row.find) == std::string::npos)
            return;
        ReplaceAll(text, row.find, row.replace);
        presence.note(row.replace);
        presence.forgetPairs();
    };
    for (std::size_t index = 0; index < BeforeMinusSplit.size(); ++index)
        apply(BeforeMinusSplit[index], BeforeMinusSplitBits[index]);
    if (presence.mayHold("-", bitsOf("-")))
        splitMinusSigns(text, presence);
    for (std::size_t index = 0; index < AfterMinusSplit.size(); ++index)
        apply(AfterMinusSplit[index], AfterMinusSplitBits[index]);
    if (text.empty())
        return std::nullopt;
    presence.notePair('(', text.front());
    presence.notePair(text.back(), ')');
    text.insert(text.begin(), '(');
    text += ')';
    presence.note("()");
    apply(AfterParentheses, bitsOf(AfterParentheses.find));
    return text;
}

} // namespace MODULCalc
