#include "calc/Parentheses.h"

#include "calc/Arithmetic.h"
#include "calc/Functions.h"
#include "calc/TermText.h"

namespace MODULCalc {

void RemoveParentheses(std::string& Term, Evaluation& Eval) {
    std::size_t Open = 0;
    for (;;) {
        Open = Term.find('(', Open);
        if (Open == std::string::npos) {
            return;
        }
        std::size_t Close = Open + 1;
        while (Close < Term.size() && IsNumberChar(Term[Close])) {
            ++Close;
        }
        if (Close >= Term.size() || Term[Close] != ')') {
            Open = Close;
            continue;
        }
        const std::string Content = Term.substr(Open + 1, Close - Open - 1);
        // Within the first four characters there is no room for a function name. The content is made of
        // number characters only, so it holds neither blanks nor an exponent's plus sign to tidy away.
        if (Open < 4) {
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
            Open += 1;
            break;
        }
    }
}

} // namespace MODULCalc
