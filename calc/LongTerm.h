#pragma once

#include <string>

namespace MODULCalc {

struct Evaluation;

// The passes of Calculate on a normalised Term, until one changes nothing; its text is the result,
// reduced or not. Every stage looks again only where the text changed since its previous look, so a
// Term that reduces by one small step per pass costs each pass the size of that step, not its length.
// Any Term may take this road; reduceShort, which rescans the whole text, is the cheaper one for short
// Terms and must give the same result on every Term.
std::string reduceLong(std::string normalised, bool basicOnly, Evaluation& eval);

} // namespace MODULCalc
