#pragma once

#include "calc/WorkingTerm.h"

namespace MODULCalc {

struct Evaluation;

// What the parenthesis step saw on its previous look: the text unchanged since, and whether it removed a
// pair (and so did not look beyond it).
struct ParenthesesRecord {
    Unchanged since;
    bool removed = true;
};

// Drops at most one pair of parentheses around a plain number per pass, applying the function whose
// three-letter name stands before it. The record must be watched by the term.
void removeParentheses(WorkingTerm& term, Evaluation& eval, ParenthesesRecord& record);

} // namespace MODULCalc
