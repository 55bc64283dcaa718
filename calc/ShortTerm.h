#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace MODULCalc {

struct Evaluation;

// Terms up to this length take the plain road of reduceShort.
inline constexpr std::size_t ShortTermLength = 256;

// The passes of Calculate on a plain text, for short Terms: every stage looks at the whole text on every
// pass, which for a few dozen characters costs less than keeping track of where the text changed. The
// rules are the very ones the long road applies. When the term calls var, the passes stop before the
// pass that would apply it and give back the term as it stands, for the long road to carry on;
// otherwise the result.
struct ShortOutcome {
    std::string text;
    bool finished = false;
};
ShortOutcome reduceShort(std::string term, bool basicOnly, Evaluation& eval);

} // namespace MODULCalc
