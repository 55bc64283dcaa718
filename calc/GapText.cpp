#include "calc/GapText.h"

#include <algorithm>
#include <cstring>

namespace MODULCalc {

GapText::GapText(std::string text)
    : buffer_(std::move(text)), gapStart_(buffer_.size()), gapEnd_(buffer_.size()), size_(buffer_.size()) {}

std::string GapText::substr(std::size_t pos, std::size_t count) const {
    const std::size_t gap = gapEnd_ - gapStart_;
    if (pos + count <= gapStart_)
        return buffer_.substr(pos, count);
    if (pos >= gapStart_)
        return buffer_.substr(pos + gap, count);
    std::string part = buffer_.substr(pos, gapStart_ - pos);
    part.append(buffer_, gapEnd_, count - part.size());
    return part;
}

void GapText::moveGap(std::size_t pos) {
    travelled_ += pos < gapStart_ ? gapStart_ - pos : pos - gapStart_;
    if (pos < gapStart_) {
        const std::size_t count = gapStart_ - pos;
        std::memmove(buffer_.data() + gapEnd_ - count, buffer_.data() + pos, count);
        gapStart_ -= count;
        gapEnd_ -= count;
    } else if (pos > gapStart_) {
        const std::size_t count = pos - gapStart_;
        std::memmove(buffer_.data() + gapStart_, buffer_.data() + gapEnd_, count);
        gapStart_ += count;
        gapEnd_ += count;
    }
}

void GapText::replace(std::size_t pos, std::size_t count, std::string_view with) {
    size_ = size_ - count + with.size();
    moveGap(pos + count);
    gapStart_ -= count;
    if (gapEnd_ - gapStart_ < with.size()) {
        const std::size_t tail = buffer_.size() - gapEnd_;
        const std::size_t newGap = with.size() + buffer_.size() / 2 + 16;
        std::string grown(gapStart_ + newGap + tail, '\0');
        std::memcpy(grown.data(), buffer_.data(), gapStart_);
        std::memcpy(grown.data() + gapStart_ + newGap, buffer_.data() + gapEnd_, tail);
        buffer_ = std::move(grown);
        gapEnd_ = gapStart_ + newGap;
    }
    if (!with.empty()) {
        std::memcpy(buffer_.data() + gapStart_, with.data(), with.size());
        gapStart_ += with.size();
    }
}

std::string GapText::release() {
    buffer_.erase(gapStart_, gapEnd_ - gapStart_);
    gapStart_ = gapEnd_ = buffer_.size();
    size_ = 0;
    return std::move(buffer_);
}

} // namespace MODULCalc
