#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Text primitives shared by every stage of the calculator.
namespace MODULCalc {

inline constexpr std::string_view PiText = "3.1415926535";

// The position of the first occurrence of needle in text, or npos. It looks for the needle's last
// character first: the digits that end the logical rows are rare in the long runs of keywords and
// parentheses where a search by the first letter would stop at almost every character.
std::size_t findText(std::string_view text, std::string_view needle);

// Replaces the first occurrence of find, then searches again from the start, until none is left; a
// replacement may therefore create a new occurrence. The replacement must not contain find.
void ReplaceAll(std::string& text, std::string_view find, std::string_view replace);

// A table of the characters in chars, so that asking for one of them is a single look.
constexpr std::array<bool, 256> characterTable(std::string_view chars) {
    std::array<bool, 256> table{};
    for (const char c : chars)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

// Characters that may form an operand: digits, point, minus, exponent letter and pi. Every stage asks this of
// nearly every character it passes.
inline constexpr auto NumberChars = characterTable("0123456789-.EP");

inline bool isNumberChar(char c) {
    return NumberChars[static_cast<unsigned char>(c)];
}

// Only operators and parentheses may stand next to an operation that is computed.
inline constexpr auto NeighbourChars = characterTable("()^*/+-");

inline bool isNeighbourChar(char c) {
    return NeighbourChars[static_cast<unsigned char>(c)];
}

// Kinds of characters the working terms count, so that a stage, an operator or a row with nothing to look
// for is passed over: the operators "^*/#+", ")", each relational character "=<>|", and each letter of the
// logical keywords and of var.
enum CharacterKind : unsigned char {
    Power,
    Times,
    Divide,
    Remainder,
    Plus,
    Close,
    Equals,
    Less,
    Greater,
    Bar,
    LetterA,
    LetterD,
    LetterE,
    LetterN,
    LetterO,
    LetterQ,
    LetterR,
    LetterT,
    LetterV,
    LetterX,
    Other,
    KindCount
};

// The counted characters, one of each kind in the kinds' order.
inline constexpr std::string_view Counted = "^*/#+)=<>|adenoqrtvx";

constexpr CharacterKind kindOf(char c) {
    const auto at = Counted.find(c);
    return at == std::string_view::npos || c == '\0' ? Other : static_cast<CharacterKind>(at);
}

inline constexpr auto KindOf = [] {
    std::array<CharacterKind, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = kindOf(static_cast<char>(byte));
    return table;
}();

static_assert(kindOf('|') == Bar && kindOf('x') == LetterX && kindOf('9') == Other &&
              Counted.size() == Other);

// Whether a term's counts leave room for text to occur in it: every counted character of text is there.
template <typename Term> bool mayHold(const Term& term, std::string_view text) {
    for (const char c : text) {
        const CharacterKind kind = KindOf[static_cast<unsigned char>(c)];
        if (kind != Other && term.count(kind) == 0)
            return false;
    }
    return true;
}

// The counted kinds of a text's characters, one bit each, so that many texts can be checked against a
// term's counts at once.
using KindMask = std::uint32_t;
static_assert(KindCount <= 32);

constexpr KindMask kindsIn(std::string_view text) {
    KindMask kinds = 0;
    for (const char c : text)
        if (const CharacterKind kind = kindOf(c); kind != Other)
            kinds |= KindMask{1} << kind;
    return kinds;
}

template <typename Term> KindMask presentKinds(const Term& term) {
    KindMask kinds = 0;
    for (int kind = 0; kind < Other; ++kind)
        if (term.count(static_cast<CharacterKind>(kind)) > 0)
            kinds |= KindMask{1} << kind;
    return kinds;
}

// How many relational characters, and how many letters of the keywords, a term's counts hold.
template <typename Term> std::size_t relationalCount(const Term& term) {
    return term.count(Equals) + term.count(Less) + term.count(Greater) + term.count(Bar);
}
template <typename Term> std::size_t letterCount(const Term& term) {
    std::size_t letters = 0;
    for (int kind = LetterA; kind <= LetterX; ++kind)
        letters += term.count(static_cast<CharacterKind>(kind));
    return letters;
}

// The two-character relational operators: ">=", "=>", "<=", "=<" and "<>".
constexpr bool isTwoCharacterRelation(char first, char second) {
    return (first == '>' && second == '=') || (first == '=' && (second == '>' || second == '<')) ||
           (first == '<' && (second == '=' || second == '>'));
}

// Whether text holds at least count characters. A Term is text of characters, not bytes: a letter of
// several bytes counts once, and so does every byte that does not belong to a well-formed sequence.
bool hasCharacters(std::string_view text, std::size_t count);

// True for operands made only of signs, points, exponent letters and blanks, such as "-", "." or "-.E":
// they hold no digit to read. Every operation the engine computes asks it of both operands.
inline bool isEmptyOperandChar(char c) {
    return c == 'E' || c == '-' || c == '.' || c == ' ';
}
inline bool IsEmptyOperand(std::string_view operand) {
    for (const char c : operand)
        if (!isEmptyOperandChar(c))
            return false;
    return true;
}

// Removes blanks (only the space character) at both ends.
std::string_view trimBlanks(std::string_view text);

std::string toUpperAscii(std::string_view text);

} // namespace MODULCalc
