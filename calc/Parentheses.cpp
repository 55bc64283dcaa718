#include "calc/Parentheses.h"

#include "calc/Arithmetic.h"
#include "calc/Evaluation.h"
#include "calc/Functions.h"
#include "calc/TermText.h"

#include <algorithm>

namespace MODULCalc {

void RemoveParentheses(WorkingTerm& Term, Evaluation& Eval, ParenthesesRecord& Record) {
    const Unchanged Since = Record.Since;
    const bool RemovedBefore = Record.Removed;
    Record.Since = Unchanged::Whole(Term.Size());
    Record.Removed = false;
    if (Term.Count(WorkingTerm::Close) == 0) {
        return;
    }
    // The pairs that hold a plain number never overlap, so finding them by their closing parenthesis meets
    // them in the same order as walking from one opening parenthesis to the next, and skips deep runs of
    // opening parentheses in one search. A pair is decided by the text from three characters before it
    // (from the start, near the start) up to its closing parenthesis. Where that text is unchanged since
    // the previous look, that look left the pair, as it found no pair to remove before the changed text;
    // after the changed text it only looked if it removed nothing at all.
    std::size_t From = Since.Prefix;
    // A pair closed after this boundary opens after it too, so the three characters before it are
    // unchanged as well; beyond the first 16 bytes, which hold four characters whatever they are, the
    // start of the term plays no part.
    const std::size_t Floor = std::max<std::size_t>(19, Since.SuffixStart(Term.Size()) + 3);
    const std::size_t Boundary =
        RemovedBefore ? std::string::npos : UnchangedOperatorsAfter(Term, Since, Floor);
    const std::size_t Limit = Boundary == std::string::npos ? Boundary : Boundary + 1;
    for (;;) {
        const std::size_t Close = Term.Find(')', From, Limit);
        if (Close == std::string::npos) {
            return;
        }
        From = Close + 1;
        std::size_t Open = Close;
        while (Open > 0 && IsNumberChar(Term.At(static_cast<std::ptrdiff_t>(Open) - 1))) {
            --Open;
        }
        if (Open == 0 || Term.At(static_cast<std::ptrdiff_t>(Open) - 1) != '(') {
            continue;
        }
        --Open;
        const std::string Content = Term.Substr(Open + 1, Close - Open - 1);
        // Within the first four characters there is no room for a function name; characters, not bytes,
        // so that 'éé(P)' drops its parentheses as 'xx(P)' does. The content is made of number characters
        // only, so it holds neither blanks nor an exponent's plus sign to tidy away.
        const std::string Start = Term.Substr(0, std::min<std::size_t>(Open, 16));
        if (!HasCharacters(Start, 4)) {
            Record.Removed = true;
            Term.Replace(Open, Close - Open + 1, Content);
            return;
        }
        const std::string_view Argument = PrepareOperand(Content);
        auto Outcome = ApplyFunction(Term.Substr(Open - 3, 3), Argument, Eval);
        switch (Outcome.What) {
        case FunctionOutcome::Kind::Applied: {
            Record.Removed = true;
            const std::size_t Call = Open - 3;
            const std::size_t Chain = Outcome.FromSlot ? Term.Inserted().ChainOf(Call, Close + 1) : 0;
            if (Chain > Evaluation::MaxChain) {
                throw CalcFault{Fault::TooComplex};
            }
            const std::string Result = TidyResult(std::move(Outcome.Text));
            Term.Replace(Call, Close - Open + 4, Result);
            if (Outcome.FromSlot) {
                Term.Inserted().Add(Call, Result.size(), Chain);
            }
            return;
        }
        case FunctionOutcome::Kind::NotAFunction:
            Record.Removed = true;
            Term.Replace(Open, Close - Open + 1, Argument);
            return;
        case FunctionOutcome::Kind::Refused:
            break;
        }
    }
}

} // namespace MODULCalc
