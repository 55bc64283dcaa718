#include "calc/TermText.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace MODULCalc {

std::size_t findText(std::string_view text, std::string_view needle) {
    if (needle.empty() || needle.size() > text.size())
        return std::string_view::npos;
    const std::size_t before = needle.size() - 1;
    for (std::size_t pos = text.find(needle.back(), before); pos != std::string_view::npos;
         pos = text.find(needle.back(), pos + 1))
        if (std::equal(needle.begin(), needle.end() - 1,
                       text.begin() + static_cast<std::ptrdiff_t>(pos - before)))
            return pos - before;
    return std::string_view::npos;
}

void ReplaceAll(std::string& text, std::string_view find, std::string_view replace) {
    const std::size_t first = findText(text, find);
    if (first == std::string::npos)
        return;
    // Restarting the search from the first character after every replacement finds, each time, the
    // occurrence that ends first. Nothing before it can hold a whole occurrence, so the same result comes
    // from one sweep that keeps the finished text before a write position and pushes each replacement back
    // onto the unread input, which stays linear however many replacements there are. A replacement no
    // longer than what it replaces fits back between the two positions, so the text is rewritten in place.
    if (replace.size() > find.size() && find.size() == 1) {
        // The replacement holds no such character, and a single character cannot be made by what stands
        // around it, so every occurrence is replaced where it stands, in one copy.
        const auto count = static_cast<std::size_t>(std::count(text.begin(), text.end(), find.front()));
        std::string grown(text, 0, first);
        grown.reserve(text.size() + (replace.size() - 1) * count);
        for (std::size_t from = first; from != std::string::npos;) {
            grown.append(replace);
            const std::size_t next = text.find(find.front(), from + 1);
            grown.append(text, from + 1, (next == std::string::npos ? text.size() : next) - from - 1);
            from = next;
        }
        text = std::move(grown);
        return;
    }
    if (replace.size() > find.size()) {
        std::string grown(text, 0, first);
        grown.reserve(text.size());
        std::string pending(text.rbegin(), text.rend() - static_cast<std::ptrdiff_t>(first));
        while (!pending.empty()) {
            grown.push_back(pending.back());
            pending.pop_back();
            if (grown.back() == find.back() && grown.size() >= find.size() &&
                std::string_view(grown).substr(grown.size() - find.size()) == find) {
                grown.resize(grown.size() - find.size());
                pending.append(replace.rbegin(), replace.rend());
            }
        }
        text = std::move(grown);
        return;
    }
    if (find.size() == 1) {
        // As for a longer replacement, every occurrence is replaced where it stands.
        if (replace.empty())
            text.erase(
                std::remove(text.begin() + static_cast<std::ptrdiff_t>(first), text.end(), find.front()),
                text.end());
        else
            std::replace(text.begin() + static_cast<std::ptrdiff_t>(first), text.end(), find.front(),
                         replace.front());
        return;
    }
    // The finished text never holds find, so the next occurrence either starts in its last characters and
    // ends in the unread input, which only a replacement pushed back makes possible, or lies wholly in the
    // unread input: the stretch before it moves down in one copy.
    char* const data = text.data();
    std::size_t written = first;
    std::size_t read = first + find.size();
    const auto pushBack = [&] {
        read -= replace.size();
        std::copy(replace.begin(), replace.end(), data + read);
    };
    pushBack();
    while (read < text.size()) {
        const std::string_view unread(data + read, text.size() - read);
        std::size_t straddling = std::min(find.size() - 1, written);
        // The more of it stands in the finished text, the earlier it ends.
        for (; straddling > 0; --straddling)
            if (std::string_view(data + written - straddling, straddling) == find.substr(0, straddling) &&
                unread.starts_with(find.substr(straddling)))
                break;
        if (straddling > 0) {
            written -= straddling;
            read += find.size() - straddling;
            pushBack();
            continue;
        }
        const std::size_t next = findText(unread, find);
        const std::size_t kept = next == std::string_view::npos ? unread.size() : next;
        std::memmove(data + written, data + read, kept);
        written += kept;
        read += kept;
        if (next == std::string_view::npos)
            break;
        read += find.size();
        pushBack();
    }
    text.resize(written);
}

namespace {

bool isContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the character that starts at pos: a whole well-formed sequence, or one byte where the
// bytes there form none. Overlong forms, surrogates and sequences beyond U+10FFFF are not well formed,
// which the second byte decides: after E0 it must be A0 to BF, after ED 80 to 9F, after F0 90 to BF and
// after F4 80 to 8F.
std::size_t characterLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0xC2 || lead > 0xF4)
        return 1;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (pos + length > text.size())
        return 1;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high)
        return 1;
    for (std::size_t next = pos + 2; next < pos + length; ++next)
        if (!isContinuationByte(static_cast<unsigned char>(text[next])))
            return 1;
    return length;
}

} // namespace

bool hasCharacters(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t seen = 0; seen < count; ++seen) {
        if (pos >= text.size())
            return false;
        pos += characterLength(text, pos);
    }
    return true;
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string toUpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

} // namespace MODULCalc
