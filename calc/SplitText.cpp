#include "calc/SplitText.h"

#include <algorithm>

namespace MODULCalc {

std::size_t SplitText::findInParts(char c, std::size_t from, std::size_t limit) const {
    const std::size_t headSize = head_.size();
    if (from < headSize) {
        const std::size_t found = head_.find(c, from, limit);
        if (found != std::string::npos || limit <= headSize)
            return found;
        from = headSize;
    }
    const std::size_t found =
        tail_.find(c, from - headSize, limit == std::string::npos ? limit : limit - headSize);
    return found == std::string::npos ? found : found + headSize;
}

std::string SplitText::substr(std::size_t pos, std::size_t count) const {
    const std::size_t headSize = head_.size();
    if (pos >= headSize)
        return tail_.substr(pos - headSize, count);
    if (pos + count <= headSize)
        return head_.substr(pos, count);
    return head_.substr(pos, headSize - pos) + tail_.substr(0, pos + count - headSize);
}

void SplitText::moveSplit(std::size_t pos) const {
    const std::size_t headSize = head_.size();
    if (pos < headSize) {
        const std::string moved = head_.substr(pos, headSize - pos);
        head_.replace(pos, headSize - pos, {});
        tail_.replace(0, 0, moved);
    } else if (pos > headSize) {
        const std::string moved = tail_.substr(0, pos - headSize);
        tail_.replace(0, pos - headSize, {});
        head_.replace(headSize, 0, moved);
    }
}

void SplitText::keepTogether(std::size_t pos, std::size_t end) const {
    if (pos < head_.size() && end > head_.size())
        moveSplit(pos);
}

std::pair<std::string_view, std::string_view> SplitText::piecesInParts(std::size_t pos,
                                                                       std::size_t count) const {
    keepTogether(pos, pos + count);
    const std::size_t headSize = head_.size();
    return pos < headSize || (count == 0 && pos == headSize) ? head_.pieces(pos, count)
                                                             : tail_.pieces(pos - headSize, count);
}

std::string_view SplitText::viewInParts(std::size_t pos, std::size_t count) {
    keepTogether(pos, pos + count);
    const std::size_t headSize = head_.size();
    return pos < headSize ? head_.view(pos, count) : tail_.view(pos - headSize, count);
}

void SplitText::replaceInParts(std::size_t pos, std::size_t count, std::string_view with) {
    keepTogether(pos, pos + count);
    const std::size_t headSize = head_.size();
    if (pos + count <= headSize && (pos < headSize || tail_.size() == 0 || count > 0))
        head_.replace(pos, count, with);
    else
        tail_.replace(pos - headSize, count, with);
}

std::string SplitText::release() {
    std::string text = head_.release();
    text += tail_.release();
    return text;
}

} // namespace MODULCalc
