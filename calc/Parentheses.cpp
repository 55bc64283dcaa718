#include "calc/Parentheses.h"

#include "calc/Arithmetic.h"
#include "calc/Evaluation.h"
#include "calc/Functions.h"
#include "calc/TermText.h"

#include <algorithm>

namespace MODULCalc {

namespace {

// The first pair from from, closed before limit, that holds a plain number: dropped, applying the function
// whose three-letter name stands before it, or left where the function refuses its argument. Whether a
// pair was removed.
template <typename Term>
bool removeFirstPair(Term& term, Evaluation& eval, std::size_t from, std::size_t limit) {
    for (;;) {
        const std::size_t close = term.find(')', from, limit);
        if (close == std::string::npos)
            return false;
        from = close + 1;
        std::size_t open = term.runStart(close);
        if (open == 0 || term.at(static_cast<std::ptrdiff_t>(open) - 1) != '(')
            continue;
        --open;
        const auto kept = term.stableText(open + 1, close - open - 1);
        const std::string_view content = kept;
        // Within the first four characters there is no room for a function name; characters, not bytes,
        // so that 'éé(P)' drops its parentheses as 'xx(P)' does. The content is made of number characters
        // only, so it holds neither blanks nor an exponent's plus sign to tidy away. Sixteen bytes hold
        // four characters whatever they are.
        if (open < 16 && !hasCharacters(term.view(0, open), 4)) {
            term.replaceNumbers(open, close - open + 1, content, Close);
            return true;
        }
        const std::string_view argument = prepareOperand(content);
        auto outcome = applyFunction(term.view(open - 3, 3), argument, eval);
        switch (outcome.what) {
        case FunctionOutcome::Kind::Applied:
            term.replace(open - 3, close - open + 4, tidyResult(std::move(outcome.text)));
            return true;
        case FunctionOutcome::Kind::NotAFunction:
            term.replaceNumbers(open, close - open + 1, argument, Close);
            return true;
        case FunctionOutcome::Kind::Refused:
            break;
        }
    }
}

} // namespace

void removeParentheses(FlatTerm& term, Evaluation& eval) {
    if (term.count(Close) > 0)
        removeFirstPair(term, eval, 0, std::string::npos);
}

void removeParentheses(WorkingTerm& term, Evaluation& eval, ParenthesesRecord& record) {
    const Unchanged since = record.since;
    const bool removedBefore = record.removed;
    record.since = Unchanged::whole(term.size());
    record.removed = false;
    if (term.count(Close) == 0)
        return;
    // The pairs that hold a plain number never overlap, so finding them by their closing parenthesis meets
    // them in the same order as walking from one opening parenthesis to the next, and skips deep runs of
    // opening parentheses in one search. A pair is decided by the text from three characters before it
    // (from the start, near the start) up to its closing parenthesis. Where that text is unchanged since
    // the previous look, that look left the pair, as it found no pair to remove before the changed text;
    // after the changed text it only looked if it removed nothing at all.
    // A pair closed after this boundary opens after it too, so the three characters before it are
    // unchanged as well; beyond the first 16 bytes, which hold four characters whatever they are, the
    // start of the term plays no part.
    const std::size_t floor = std::max<std::size_t>(19, since.suffixStart(term.size()) + 3);
    const std::size_t boundary =
        removedBefore ? std::string::npos : unchangedOperatorsAfter(term, since, floor);
    const std::size_t limit = boundary == std::string::npos ? boundary : boundary + 1;
    record.removed = removeFirstPair(term, eval, since.prefix, limit);
}

} // namespace MODULCalc
