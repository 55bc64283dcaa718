#pragma once

#include "calc/GapText.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace MODULCalc {

// A text kept as two gap texts one after the other, so that a Term that changes at two places far apart
// on every pass (a chain of sums reducing at its start while a chain of "not" reduces at its end) moves
// each gap only within its own part, instead of one gap across the whole Term twice per pass. At first
// the second part is empty, which spares every read and replacement a step; the text is divided in the
// middle once the gap has travelled SplitAfter times the text's length going back and forth by more than an
// eighth of it per replacement on average, which a Term that reduces at one place after the other never
// makes it do.
class SplitText {
public:
    explicit SplitText(std::string text) : head_(std::move(text)), tail_(std::string()) {}

    std::size_t size() const { return head_.size() + tail_.size(); }
    // The character at pos, or '\0' beyond either end.
    char at(std::ptrdiff_t pos) const {
        const auto headSize = static_cast<std::ptrdiff_t>(head_.size());
        return pos < headSize ? head_.at(pos) : tail_.at(pos - headSize);
    }
    // Searches occurrences that start before limit only. Before the split everything is in the first
    // part, which the short Terms never leave.
    std::size_t find(char c, std::size_t from, std::size_t limit = std::string::npos) const {
        return tail_.size() == 0 ? head_.find(c, from, limit) : findInParts(c, from, limit);
    }
    std::string substr(std::size_t pos, std::size_t count) const;
    // How many characters directly before pos, and from pos on, keep says yes to.
    template <typename Keep> std::size_t countBefore(std::size_t pos, Keep keep) const {
        const std::size_t headSize = head_.size();
        if (pos <= headSize)
            return head_.countBefore(pos, keep);
        const std::size_t inTail = tail_.countBefore(pos - headSize, keep);
        return inTail < pos - headSize ? inTail : inTail + head_.countBefore(headSize, keep);
    }
    template <typename Keep> std::size_t countFrom(std::size_t pos, Keep keep) const {
        const std::size_t headSize = head_.size();
        if (pos >= headSize)
            return tail_.countFrom(pos - headSize, keep);
        const std::size_t inHead = head_.countFrom(pos, keep);
        return inHead < headSize - pos ? inHead : inHead + tail_.countFrom(0, keep);
    }
    // Copies count characters from pos to out, without moving where the parts meet.
    void copyTo(std::size_t pos, std::size_t count, char* out) const {
        const std::size_t headSize = head_.size();
        const std::size_t inHead = pos < headSize ? std::min(count, headSize - pos) : 0;
        if (inHead > 0)
            head_.copyTo(pos, inHead, out);
        if (inHead < count)
            tail_.copyTo(pos + inHead - headSize, count - inHead, out + inHead);
    }
    // The text from pos in at most two pieces, without copying; the parts are joined where it would take
    // more.
    std::pair<std::string_view, std::string_view> pieces(std::size_t pos, std::size_t count) const {
        return tail_.size() == 0 ? head_.pieces(pos, count) : piecesInParts(pos, count);
    }
    std::string_view view(std::size_t pos, std::size_t count) {
        return tail_.size() == 0 ? head_.view(pos, count) : viewInParts(pos, count);
    }
    void replace(std::size_t pos, std::size_t count, std::string_view with) {
        if (tail_.size() != 0) {
            replaceInParts(pos, count, with);
            return;
        }
        head_.replace(pos, count, with);
        ++replacements_;
        const std::size_t travelled = head_.travelled() - travelledBefore_;
        if (travelled <= SplitAfter * head_.size())
            return;
        if (travelled / replacements_ > head_.size() / 8)
            moveSplit(head_.size() / 2);
        travelledBefore_ = head_.travelled();
        replacements_ = 0;
    }
    std::string release();

private:
    static constexpr std::size_t SplitAfter = 64;
    std::size_t findInParts(char c, std::size_t from, std::size_t limit) const;
    std::pair<std::string_view, std::string_view> piecesInParts(std::size_t pos, std::size_t count) const;
    std::string_view viewInParts(std::size_t pos, std::size_t count);
    void replaceInParts(std::size_t pos, std::size_t count, std::string_view with);
    // Moves the boundary between the parts to pos.
    void moveSplit(std::size_t pos) const;
    // Makes the characters from pos up to end lie in one part.
    void keepTogether(std::size_t pos, std::size_t end) const;

    // Where the parts meet changes nothing of the text, so reading may move it.
    mutable GapText head_;
    mutable GapText tail_;
    // Since the gap's travel was last weighed: how far it had gone then, and the replacements since.
    std::size_t travelledBefore_ = 0;
    std::size_t replacements_ = 0;
};

} // namespace MODULCalc
