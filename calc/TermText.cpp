#include "calc/TermText.h"

#include <algorithm>

namespace MODULCalc {

std::size_t FindText(std::string_view Text, std::string_view Needle) {
    if (Needle.empty() || Needle.size() > Text.size()) {
        return std::string_view::npos;
    }
    const std::size_t Before = Needle.size() - 1;
    const std::string_view Start = Needle.substr(0, Before);
    for (std::size_t Pos = Text.find(Needle.back(), Before); Pos != std::string_view::npos;
         Pos = Text.find(Needle.back(), Pos + 1)) {
        if (Text.substr(Pos - Before, Before) == Start) {
            return Pos - Before;
        }
    }
    return std::string_view::npos;
}

void ReplaceAll(std::string& Text, std::string_view Find, std::string_view Replace) {
    const std::size_t First = FindText(Text, Find);
    if (First == std::string::npos) {
        return;
    }
    // Restarting the search from the first character after every replacement finds, each time, the
    // occurrence that ends first. Nothing before it can hold a whole occurrence, so the same result comes
    // from one sweep that keeps the finished text in Done and pushes each replacement back onto the
    // unread input, which stays linear however many replacements there are. The text before the first
    // occurrence is finished as it stands and is copied in one piece.
    std::string Done(Text, 0, First);
    Done.reserve(Text.size());
    std::string Pending(Text.rbegin(), Text.rend() - static_cast<std::ptrdiff_t>(First));
    while (!Pending.empty()) {
        Done.push_back(Pending.back());
        Pending.pop_back();
        if (Done.back() == Find.back() && Done.size() >= Find.size() &&
            std::string_view(Done).substr(Done.size() - Find.size()) == Find) {
            Done.resize(Done.size() - Find.size());
            Pending.append(Replace.rbegin(), Replace.rend());
        }
    }
    Text = std::move(Done);
}

namespace {

bool IsContinuationByte(unsigned char Byte) {
    return (Byte & 0xC0) == 0x80;
}

// The length of the character that starts at Pos: a whole well-formed sequence, or one byte where the
// bytes there form none. Overlong forms, surrogates and sequences beyond U+10FFFF are not well formed,
// which the second byte decides: after E0 it must be A0 to BF, after ED 80 to 9F, after F0 90 to BF and
// after F4 80 to 8F.
std::size_t CharacterLength(std::string_view Text, std::size_t Pos) {
    const auto Lead = static_cast<unsigned char>(Text[Pos]);
    if (Lead < 0xC2 || Lead > 0xF4) {
        return 1;
    }
    const std::size_t Length = Lead >= 0xF0 ? 4 : Lead >= 0xE0 ? 3 : 2;
    if (Pos + Length > Text.size()) {
        return 1;
    }
    const auto Second = static_cast<unsigned char>(Text[Pos + 1]);
    const unsigned char Low = Lead == 0xE0 ? 0xA0 : Lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char High = Lead == 0xED ? 0x9F : Lead == 0xF4 ? 0x8F : 0xBF;
    if (Second < Low || Second > High) {
        return 1;
    }
    for (std::size_t Next = Pos + 2; Next < Pos + Length; ++Next) {
        if (!IsContinuationByte(static_cast<unsigned char>(Text[Next]))) {
            return 1;
        }
    }
    return Length;
}

} // namespace

bool HasCharacters(std::string_view Text, std::size_t Count) {
    std::size_t Pos = 0;
    for (std::size_t Seen = 0; Seen < Count; ++Seen) {
        if (Pos >= Text.size()) {
            return false;
        }
        Pos += CharacterLength(Text, Pos);
    }
    return true;
}

bool IsEmptyOperand(std::string_view Operand) {
    return std::all_of(Operand.begin(), Operand.end(), IsEmptyOperandChar);
}

std::string_view TrimBlanks(std::string_view Text) {
    const auto First = Text.find_first_not_of(' ');
    if (First == std::string_view::npos) {
        return {};
    }
    return Text.substr(First, Text.find_last_not_of(' ') - First + 1);
}

std::string ToUpperAscii(std::string_view Text) {
    std::string Upper(Text);
    for (char& C : Upper) {
        if (C >= 'a' && C <= 'z') {
            C = static_cast<char>(C - 'a' + 'A');
        }
    }
    return Upper;
}

} // namespace MODULCalc
