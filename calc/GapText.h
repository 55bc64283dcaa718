#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace MODULCalc {

// A text with a movable gap, so that the many small replacements one arithmetic level makes while it
// walks along a long Term cost the length of the replacement and the distance walked, not the length of
// the whole Term each time.
class GapText {
public:
    explicit GapText(std::string Text);

    std::size_t Size() const { return Buffer.size() - (GapEnd - GapStart); }
    // The character at Pos, or '\0' beyond either end.
    char At(std::ptrdiff_t Pos) const {
        if (Pos < 0 || static_cast<std::size_t>(Pos) >= Size()) {
            return '\0';
        }
        const auto Index = static_cast<std::size_t>(Pos);
        return Index < GapStart ? Buffer[Index] : Buffer[Index + (GapEnd - GapStart)];
    }
    // Searches occurrences that start before Limit only.
    std::size_t Find(char C, std::size_t From, std::size_t Limit = std::string::npos) const;
    std::size_t Find(std::string_view Needle, std::size_t From, std::size_t Limit = std::string::npos) const;
    std::string Substr(std::size_t Pos, std::size_t Count) const;
    // The text from Pos in the one or two pieces it is stored in, without copying.
    std::pair<std::string_view, std::string_view> Pieces(std::size_t Pos, std::size_t Count) const;
    void Replace(std::size_t Pos, std::size_t Count, std::string_view With);
    std::string Release();

private:
    void MoveGap(std::size_t Pos);

    std::string Buffer;
    std::size_t GapStart;
    std::size_t GapEnd;
};

} // namespace MODULCalc
