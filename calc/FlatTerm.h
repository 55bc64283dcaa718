#pragma once

#include "calc/TermText.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace MODULCalc {

// The working term of a short Term that calls no var, in one piece: every pass looks at the whole text,
// which for a few dozen characters costs less than any bookkeeping about where it changed. It offers the
// stages what WorkingTerm offers them, so that both run the same stage code. The text is kept in a buffer
// of its own length, so that a replacement moves characters and nothing else.
class FlatTerm {
public:
    explicit FlatTerm(std::string text) : buffer_(std::move(text)), size_(buffer_.size()) {
        for (const char c : buffer_)
            ++counts_[KindOf[static_cast<unsigned char>(c)]];
        // Results longer than what they replace fill the room the text came with before it has to grow.
        buffer_.resize(buffer_.capacity());
    }

    std::size_t size() const { return size_; }
    // The character at pos, or '\0' beyond either end.
    char at(std::ptrdiff_t pos) const {
        return static_cast<std::size_t>(pos) < size_ ? buffer_[static_cast<std::size_t>(pos)] : '\0';
    }
    // Occurrences that start before limit.
    std::size_t find(char c, std::size_t from, std::size_t limit = std::string::npos) const {
        const std::size_t end = limit < size_ ? limit : size_;
        if (from >= end)
            return std::string::npos;
        const void* hit = std::memchr(buffer_.data() + from, c, end - from);
        return hit == nullptr ? std::string::npos
                              : static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_.data());
    }
    std::size_t find(std::string_view needle, std::size_t from, std::size_t limit = std::string::npos) const {
        const std::size_t end = limit < size_ ? limit : size_;
        if (from >= end)
            return std::string::npos;
        const std::size_t found = view(0, std::min(end - 1 + needle.size(), size_)).find(needle, from);
        return found < end ? found : std::string::npos;
    }
    std::string substr(std::size_t pos, std::size_t count) const { return std::string(view(pos, count)); }
    // Text that stays as it is until the next replacement, whatever else is read meanwhile.
    std::string_view stableText(std::size_t pos, std::size_t count) const { return view(pos, count); }
    // Within the text, without copying; valid until the next replacement.
    std::string_view view(std::size_t pos, std::size_t count) const { return {buffer_.data() + pos, count}; }
    std::pair<std::string_view, std::string_view> pieces(std::size_t pos, std::size_t count) const {
        return {view(pos, count), {}};
    }
    std::string release() {
        buffer_.resize(size_);
        return std::move(buffer_);
    }

    // with may lie within the replaced text itself.
    void replace(std::size_t pos, std::size_t count, std::string_view with) {
        ++replacements_;
        if (with.size() > count && size_ + with.size() - count > buffer_.size())
            buffer_.resize(2 * (size_ + with.size() - count));
        char* const data = buffer_.data();
        // A shorter text is put in place before the rest moves up over what it came from.
        if (!with.empty() && with.size() <= count)
            std::memmove(data + pos, with.data(), with.size());
        if (with.size() != count)
            std::memmove(data + pos + with.size(), data + pos + count, size_ - pos - count);
        if (with.size() > count)
            std::memcpy(data + pos, with.data(), with.size());
        size_ = size_ + with.size() - count;
    }
    // The counts only tell which kinds were there at the start, so they need no update.
    void replaceNumbers(std::size_t pos, std::size_t count, std::string_view with, CharacterKind) {
        replace(pos, count, with);
    }
    std::size_t replacements() const { return replacements_; }

    // The whole text is looked at on every pass: there is nothing to follow.
    static constexpr bool following() { return false; }
    template <typename Record> void watch(Record&) {}
    template <typename Record> void unwatch(Record&) {}

    // Replacements put in number characters only, so a count of 0 stays true; other counts only say
    // that the kind was there at the start.
    std::size_t count(CharacterKind of) const { return counts_[of]; }
    void noneLeft(CharacterKind of) { counts_[of] = 0; }
    std::size_t twoCharacterRelations() const {
        std::size_t pairs = 0;
        for (std::size_t pos = 0; pos + 1 < size_; ++pos)
            pairs += isTwoCharacterRelation(buffer_[pos], buffer_[pos + 1]) ? 1 : 0;
        return pairs;
    }

    std::size_t runStart(std::size_t pos) const {
        while (pos > 0 && isNumberChar(buffer_[pos - 1]))
            --pos;
        return pos;
    }
    std::size_t runEnd(std::size_t pos) const {
        while (pos < size_ && isNumberChar(buffer_[pos]))
            ++pos;
        return pos;
    }

private:
    std::string buffer_;
    std::size_t size_;
    std::size_t replacements_ = 0;
    std::array<std::size_t, KindCount> counts_{};
};

} // namespace MODULCalc
