#pragma once

#include "calc/FlatTerm.h"
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
// three-letter name stands before it. A short Term is looked at whole; a followed one where it changed
// since the record's previous look, and the record must be watched by the term.
void removeParentheses(FlatTerm& term, Evaluation& eval);
void removeParentheses(WorkingTerm& term, Evaluation& eval, ParenthesesRecord& record);

} // namespace MODULCalc
