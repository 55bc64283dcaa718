#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace MODULCalc {

// A text with a movable gap, so that the many small replacements one arithmetic level makes while it
// walks along a long Term cost the length of the replacement and the distance walked, not the length of
// the whole Term each time.
class GapText {
public:
    explicit GapText(std::string text);

    std::size_t size() const { return size_; }
    // The character at pos, or '\0' beyond either end.
    char at(std::ptrdiff_t pos) const {
        if (pos < 0 || static_cast<std::size_t>(pos) >= size())
            return '\0';
        const auto index = static_cast<std::size_t>(pos);
        return index < gapStart_ ? buffer_[index] : buffer_[index + (gapEnd_ - gapStart_)];
    }
    // Searches occurrences that start before limit only.
    std::size_t find(char c, std::size_t from, std::size_t limit = std::string::npos) const {
        const std::size_t end = std::min(size(), limit);
        if (from >= end)
            return std::string::npos;
        const char* const data = buffer_.data();
        if (from < gapStart_) {
            const std::size_t before = std::min(gapStart_, end);
            if (const void* hit = std::memchr(data + from, c, before - from))
                return static_cast<std::size_t>(static_cast<const char*>(hit) - data);
            from = before;
            if (from >= end)
                return std::string::npos;
        }
        const std::size_t gap = gapEnd_ - gapStart_;
        if (const void* hit = std::memchr(data + from + gap, c, end - from))
            return static_cast<std::size_t>(static_cast<const char*>(hit) - data) - gap;
        return std::string::npos;
    }
    std::string substr(std::size_t pos, std::size_t count) const;
    // The text from pos in the one or two pieces it is stored in, without copying.
    std::pair<std::string_view, std::string_view> pieces(std::size_t pos, std::size_t count) const {
        const std::size_t gap = gapEnd_ - gapStart_;
        const std::string_view whole(buffer_);
        if (pos + count <= gapStart_)
            return {whole.substr(pos, count), {}};
        if (pos >= gapStart_)
            return {whole.substr(pos + gap, count), {}};
        return {whole.substr(pos, gapStart_ - pos), whole.substr(gapEnd_, pos + count - gapStart_)};
    }
    // How many characters directly before pos, and from pos on, keep says yes to.
    template <typename Keep> std::size_t countBefore(std::size_t pos, Keep keep) const {
        std::size_t counted = 0;
        if (pos > gapStart_) {
            const char* const stop = buffer_.data() + gapEnd_;
            const char* const from = stop + (pos - gapStart_);
            const char* at = from;
            while (at != stop && keep(at[-1]))
                --at;
            counted = static_cast<std::size_t>(from - at);
            if (at != stop)
                return counted;
            pos = gapStart_;
        }
        const char* const from = buffer_.data() + pos;
        const char* at = from;
        while (at != buffer_.data() && keep(at[-1]))
            --at;
        return counted + static_cast<std::size_t>(from - at);
    }
    template <typename Keep> std::size_t countFrom(std::size_t pos, Keep keep) const {
        std::size_t counted = 0;
        if (pos < gapStart_) {
            const char* const from = buffer_.data() + pos;
            const char* const stop = buffer_.data() + gapStart_;
            const char* at = from;
            while (at != stop && keep(*at))
                ++at;
            counted = static_cast<std::size_t>(at - from);
            if (at != stop)
                return counted;
            pos = gapStart_;
        }
        const char* const from = buffer_.data() + pos + (gapEnd_ - gapStart_);
        const char* const stop = buffer_.data() + buffer_.size();
        const char* at = from;
        while (at != stop && keep(*at))
            ++at;
        return counted + static_cast<std::size_t>(at - from);
    }
    // Copies count characters from pos to out.
    void copyTo(std::size_t pos, std::size_t count, char* out) const {
        const auto [first, second] = pieces(pos, count);
        // An empty piece may have no storage at all, which memcpy may not be handed even for no bytes.
        if (!first.empty())
            std::memcpy(out, first.data(), first.size());
        if (!second.empty())
            std::memcpy(out + first.size(), second.data(), second.size());
    }
    // The text from pos in one piece, moving the gap out of it where it lies inside. Valid until the
    // next change.
    std::string_view view(std::size_t pos, std::size_t count) {
        if (pos < gapStart_ && pos + count > gapStart_)
            moveGap(pos + count);
        return pieces(pos, count).first;
    }
    void replace(std::size_t pos, std::size_t count, std::string_view with);
    std::string release();
    // How many characters the gap has been moved over so far.
    std::size_t travelled() const { return travelled_; }

private:
    void moveGap(std::size_t pos);

    std::string buffer_;
    std::size_t gapStart_;
    std::size_t gapEnd_;
    // The length of the text, asked before nearly every read.
    std::size_t size_;
    std::size_t travelled_ = 0;
};

} // namespace MODULCalc
