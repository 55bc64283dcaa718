#include "calc/GapText.h"

#include <algorithm>
#include <cstring>

namespace MODULCalc {

GapText::GapText(std::string Text)
    : Buffer(std::move(Text)), GapStart(Buffer.size()), GapEnd(Buffer.size()) {}

namespace {

// Operators usually stand a few characters apart, where a plain look is cheaper than a library call.
const char* FindIn(const char* First, const char* Last, char C) {
    const char* Near = Last - First > 16 ? First + 16 : Last;
    for (; First < Near; ++First) {
        if (*First == C) {
            return First;
        }
    }
    return First < Last
               ? static_cast<const char*>(std::memchr(First, C, static_cast<std::size_t>(Last - First)))
               : nullptr;
}

} // namespace

std::size_t GapText::Find(char C, std::size_t From, std::size_t Limit) const {
    const std::size_t End = std::min(Size(), Limit);
    if (From >= End) {
        return std::string::npos;
    }
    if (From < GapStart) {
        const std::size_t Before = std::min(GapStart, End);
        if (const char* Hit = FindIn(Buffer.data() + From, Buffer.data() + Before, C)) {
            return static_cast<std::size_t>(Hit - Buffer.data());
        }
        From = Before;
    }
    const std::size_t Gap = GapEnd - GapStart;
    if (From >= End) {
        return std::string::npos;
    }
    if (const char* Hit = FindIn(Buffer.data() + From + Gap, Buffer.data() + End + Gap, C)) {
        return static_cast<std::size_t>(Hit - Buffer.data()) - Gap;
    }
    return std::string::npos;
}

std::size_t GapText::Find(std::string_view Needle, std::size_t From, std::size_t Limit) const {
    for (std::size_t Pos = Find(Needle.front(), From, Limit); Pos != std::string::npos;
         Pos = Find(Needle.front(), Pos + 1, Limit)) {
        std::size_t Matched = 1;
        while (Matched < Needle.size() && At(static_cast<std::ptrdiff_t>(Pos + Matched)) == Needle[Matched]) {
            ++Matched;
        }
        if (Matched == Needle.size()) {
            return Pos;
        }
    }
    return std::string::npos;
}

std::string GapText::Substr(std::size_t Pos, std::size_t Count) const {
    const std::size_t Gap = GapEnd - GapStart;
    if (Pos + Count <= GapStart) {
        return Buffer.substr(Pos, Count);
    }
    if (Pos >= GapStart) {
        return Buffer.substr(Pos + Gap, Count);
    }
    std::string Part = Buffer.substr(Pos, GapStart - Pos);
    Part.append(Buffer, GapEnd, Count - Part.size());
    return Part;
}

std::pair<std::string_view, std::string_view> GapText::Pieces(std::size_t Pos, std::size_t Count) const {
    const std::size_t Gap = GapEnd - GapStart;
    const std::string_view Whole(Buffer);
    if (Pos + Count <= GapStart) {
        return {Whole.substr(Pos, Count), {}};
    }
    if (Pos >= GapStart) {
        return {Whole.substr(Pos + Gap, Count), {}};
    }
    return {Whole.substr(Pos, GapStart - Pos), Whole.substr(GapEnd, Pos + Count - GapStart)};
}

void GapText::MoveGap(std::size_t Pos) {
    if (Pos < GapStart) {
        const std::size_t Count = GapStart - Pos;
        std::memmove(Buffer.data() + GapEnd - Count, Buffer.data() + Pos, Count);
        GapStart -= Count;
        GapEnd -= Count;
    } else if (Pos > GapStart) {
        const std::size_t Count = Pos - GapStart;
        std::memmove(Buffer.data() + GapStart, Buffer.data() + GapEnd, Count);
        GapStart += Count;
        GapEnd += Count;
    }
}

void GapText::Replace(std::size_t Pos, std::size_t Count, std::string_view With) {
    MoveGap(Pos + Count);
    GapStart -= Count;
    if (GapEnd - GapStart < With.size()) {
        const std::size_t Tail = Buffer.size() - GapEnd;
        const std::size_t NewGap = With.size() + Buffer.size() / 2 + 16;
        std::string Grown(GapStart + NewGap + Tail, '\0');
        std::memcpy(Grown.data(), Buffer.data(), GapStart);
        std::memcpy(Grown.data() + GapStart + NewGap, Buffer.data() + GapEnd, Tail);
        Buffer = std::move(Grown);
        GapEnd = GapStart + NewGap;
    }
    if (!With.empty()) {
        std::memcpy(Buffer.data() + GapStart, With.data(), With.size());
        GapStart += With.size();
    }
}

std::string GapText::Release() {
    Buffer.erase(GapStart, GapEnd - GapStart);
    GapStart = GapEnd = Buffer.size();
    return std::move(Buffer);
}

} // namespace MODULCalc
