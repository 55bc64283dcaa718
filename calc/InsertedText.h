#pragma once

#include <cstddef>
#include <vector>

namespace MODULCalc {

// The text that var calls inserted into the working term, followed while the passes rewrite it, so that
// the engine can tell a slot that keeps calling itself from one that merely holds a long Term.
//
// Every insertion remembers the length of the chain of calls that led to it: 1 for a call that stands
// (at least in part) in text the user typed, one more than the insertion's for a call made wholly of the
// text of an earlier insertion. Slots that only call other slots give chains no longer than the number
// of slots, however long their texts or however many calls the Term makes; a longer chain has used some
// slot twice, and that slot's text, on its own, calls the slot again ('var(0)+1' in slot 0, or two slots
// that call each other). Such a chain may still end, by an overflow for example, so it is only stopped
// once it is much longer than any that ends in reasonable time (Evaluation::MaxChain).
//
// A character rewritten together with characters from outside an insertion (an operation whose other
// operand was typed) no longer counts as inserted. Only the latest few insertions are followed: the
// parenthesis step always reaches the leftmost call first, so a call that repeats itself does so in the
// text inserted just before it; a runaway that older insertions would have hidden still ends at the
// length bound of Evaluation::MaxWorkingLength when it grows.
class InsertedText {
public:
    // The chain length of a call that spans the characters from first up to last (exclusive).
    std::size_t chainOf(std::size_t first, std::size_t last) const;
    void add(std::size_t first, std::size_t count, std::size_t chain);
    // Keeps the insertions in step with a replacement of count characters at pos by inserted others.
    void note(std::size_t pos, std::size_t count, std::size_t inserted);

private:
    struct Insertion {
        std::size_t first;
        std::size_t last;
        std::size_t chain;
    };
    static constexpr std::size_t Followed = 8;
    std::vector<Insertion> insertions_;
};

} // namespace MODULCalc
