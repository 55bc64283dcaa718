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
// stages what WorkingTerm offers them, so that both run the same stage code.
class FlatTerm {
public:
    explicit FlatTerm(std::string text) : text_(std::move(text)) {
        for (const char c : text_)
            ++counts_[KindOf[static_cast<unsigned char>(c)]];
    }

    std::size_t size() const { return text_.size(); }
    // The character at pos, or '\0' beyond either end.
    char at(std::ptrdiff_t pos) const {
        return static_cast<std::size_t>(pos) < text_.size() ? text_[static_cast<std::size_t>(pos)] : '\0';
    }
    // Occurrences that start before limit.
    std::size_t find(char c, std::size_t from, std::size_t limit = std::string::npos) const {
        const std::size_t end = limit < text_.size() ? limit : text_.size();
        if (from >= end)
            return std::string::npos;
        const void* hit = std::memchr(text_.data() + from, c, end - from);
        return hit == nullptr ? std::string::npos
                              : static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
    }
    std::size_t find(std::string_view needle, std::size_t from, std::size_t limit = std::string::npos) const {
        const std::size_t end = limit < text_.size() ? limit : text_.size();
        if (from >= end)
            return std::string::npos;
        const std::size_t found =
            std::string_view(text_.data(),
                             end - 1 + needle.size() < text_.size() ? end - 1 + needle.size() : text_.size())
                .find(needle, from);
        return found < end ? found : std::string::npos;
    }
    std::string substr(std::size_t pos, std::size_t count) const { return text_.substr(pos, count); }
    std::string_view view(std::size_t pos, std::size_t count) const {
        return std::string_view(text_).substr(pos, count);
    }
    std::pair<std::string_view, std::string_view> pieces(std::size_t pos, std::size_t count) const {
        return {view(pos, count), {}};
    }
    std::string release() { return std::move(text_); }

    // with may lie within the replaced text itself.
    void replace(std::size_t pos, std::size_t count, std::string_view with) {
        ++replacements_;
        if (with.size() > count) {
            text_.insert(pos + count, with.size() - count, '\0');
            count = with.size();
        }
        std::memmove(text_.data() + pos, with.data(), with.size());
        text_.erase(pos + with.size(), count - with.size());
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
        for (std::size_t pos = 0; pos + 1 < text_.size(); ++pos)
            pairs += isTwoCharacterRelation(text_[pos], text_[pos + 1]) ? 1 : 0;
        return pairs;
    }

    std::size_t runStart(std::size_t pos) const {
        while (pos > 0 && isNumberChar(text_[pos - 1]))
            --pos;
        return pos;
    }
    std::size_t runEnd(std::size_t pos) const {
        while (pos < text_.size() && isNumberChar(text_[pos]))
            ++pos;
        return pos;
    }

private:
    std::string text_;
    std::size_t replacements_ = 0;
    std::array<std::size_t, KindCount> counts_{};
};

} // namespace MODULCalc
