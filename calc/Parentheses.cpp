#include "calc/Parentheses.h"

#include "calc/Arithmetic.h"
#include "calc/Functions.h"
#include "calc/TermText.h"

namespace MODULCalc {

void RemoveParentheses(std::string& Term, Evaluation& Eval) {
    // The pairs that hold a plain number never overlap, so finding them by their closing parenthesis meets
    // them in the same order as walking from one opening parenthesis to the next, and skips deep runs of
    // opening parentheses in one search.
    std::size_t From = 0;
    for (;;) {
        const std::size_t Close = Term.find(')', From);
        if (Close == std::string::npos) {
            return;
        }
        From = Close + 1;
        std::size_t Open = Close;
        while (Open > 0 && IsNumberChar(Term[Open - 1])) {
            --Open;
        }
        if (Open == 0 || Term[Open - 1] != '(') {
            continue;
        }
        --Open;
        const std::string Content = Term.substr(Open + 1, Close - Open - 1);
        // Within the first four characters there is no room for a function name; characters, not bytes,
        // so that 'éé(P)' drops its parentheses as 'xx(P)' does. The content is made of number characters
        // only, so it holds neither blanks nor an exponent's plus sign to tidy away.
        if (!HasCharacters(std::string_view(Term).substr(0, Open), 4)) {
            Term.replace(Open, Close - Open + 1, Content);
            return;
        }
        const std::string_view Argument = PrepareOperand(Content);
        auto Outcome = ApplyFunction(std::string_view(Term).substr(Open - 3, 3), Argument, Eval);
        switch (Outcome.What) {
        case FunctionOutcome::Kind::Applied:
            Term.replace(Open - 3, Close - Open + 4, TidyResult(std::move(Outcome.Text)));
            return;
        case FunctionOutcome::Kind::NotAFunction:
            Term.replace(Open, Close - Open + 1, Argument);
            return;
        case FunctionOutcome::Kind::Refused:
            break;
        }
    }
}

} // namespace MODULCalc
