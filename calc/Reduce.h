#pragma once

#include <cstddef>
#include <string>

namespace MODULCalc {

struct Evaluation;

// Longer Terms have their changes followed from the first pass on.
inline constexpr std::size_t ShortTermLength = 256;

// The passes of Calculate on a normalised Term, until one changes nothing; its text is the result,
// reduced or not. With followChanges, and for any Term once it calls var, the passes follow the changes,
// so that a Term that reduces by one small step per pass costs each pass the size of that step, not its
// length. Either way the same stages apply the same rules and give the same result.
std::string reduceTerm(std::string normalised, bool basicOnly, Evaluation& eval, bool followChanges);

} // namespace MODULCalc
