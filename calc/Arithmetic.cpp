#include "calc/Arithmetic.h"

#include "calc/Evaluation.h"
#include "calc/NumberText.h"
#include "calc/TermText.h"

#include <array>
#include <cmath>
#include <optional>

namespace MODULCalc {
namespace {

double ReadOperand(std::string_view Operand) {
    return ReadNumber(PrepareOperand(Operand));
}

// Rounds to a 32-bit integer as the remainder operator needs it.
std::int64_t ToInt32(double Value) {
    const double Rounded = RoundHalfEven(Value);
    if (!(Rounded >= -2147483648.0 && Rounded <= 2147483647.0)) {
        throw CalcFault{Fault::Overflow};
    }
    return static_cast<std::int64_t>(Rounded);
}

} // namespace

std::optional<ResultText> ComputeOperation(char Operator, std::string_view Left, std::string_view Right) {
    const double A = ReadOperand(Left);
    const double B = ReadOperand(Right);
    double Value = 0;
    switch (Operator) {
    case '^':
        if (B < 0 || (A == 0 && B == 0)) {
            return std::nullopt;
        }
        Value = std::pow(A, B);
        if (std::isnan(Value)) {
            throw CalcFault{Fault::InvalidArgument};
        }
        break;
    case '*':
        Value = A * B;
        break;
    case '/':
        if (B == 0) {
            return std::nullopt;
        }
        Value = A / B;
        break;
    case '#': {
        const std::int64_t Dividend = ToInt32(A);
        const std::int64_t Divisor = ToInt32(B);
        if (Divisor == 0) {
            throw CalcFault{Fault::DivisionByZero};
        }
        // Computed in 64 bits so that -2147483648 # -1 gives its true remainder, 0, instead of trapping.
        return WriteIntegerResult(Dividend % Divisor);
    }
    default:
        Value = A + B;
        break;
    }
    if (!std::isfinite(Value)) {
        throw CalcFault{Fault::Overflow};
    }
    return WriteResult(Value);
}

namespace {

// IsEmptyOperand on the text from First up to Last, without copying it out.
bool IsEmptyRange(const WorkingTerm& Term, std::ptrdiff_t First, std::ptrdiff_t Last) {
    for (std::ptrdiff_t Pos = First; Pos < Last; ++Pos) {
        if (!IsEmptyOperandChar(Term.At(Pos))) {
            return false;
        }
    }
    return true;
}

// Every decision about an occurrence depends on its operands, the characters around them and on two
// facts about the occurrences before it: whether one has passed the right-hand check (Later joins the
// blocking operators there) and whether the level gave up. Where the text before an occurrence is
// unchanged since the previous look, so are those facts and the decision, which then skipped it; the
// same holds in the unchanged text after each changed span once both facts agree with the previous look
// there, up to where the next span needs a look again.
void ReduceLevel(WorkingTerm& Term, const LevelRule& Rule, const ChangedSpans& Since, Mark& LastJoined,
                 Mark& LastGaveUp) {
    if (Term.Count(Rule.Kind) == 0) {
        // What a look finds where the operator does not occur.
        LastJoined = Mark{};
        LastGaveUp = Mark{};
        return;
    }
    if (Since.Count() == 0) {
        // The previous look saw this very text and left it so.
        return;
    }
    Mark Joined = LastJoined;
    Mark GaveUp = LastGaveUp;
    const Watching WatchJoined(Term, Joined);
    const Watching WatchGaveUp(Term, GaveUp);
    const auto LookAgain = [&](std::size_t Span) {
        return LookAgainFrom(Term, Since.At(Span, Term.Size()), 3);
    };
    const auto JoinedBefore = [&](std::size_t Pos) {
        return Rule.Later != '\0' && Joined.Known() && Joined.Pos < Pos;
    };
    const auto GaveUpBefore = [&](std::size_t Pos) { return GaveUp.Known() && GaveUp.Pos < Pos; };

    std::size_t Start = LookAgain(0);
    if (GaveUpBefore(Start)) {
        // The level gives up at the same place again and does nothing before it.
        return;
    }
    bool LaterJoined = JoinedBefore(Start);
    if (!LaterJoined) {
        LastJoined = Mark{};
    }
    LastGaveUp = Mark{};
    const auto Blocks = [&](char C) {
        return C != '\0' &&
               (Rule.Blocking.find(C) != std::string_view::npos || (LaterJoined && C == Rule.Later));
    };
    // What the previous look left behind when this one goes on as it did to the end.
    const auto AsBefore = [&] {
        if (!LaterJoined) {
            LastJoined = Joined;
        }
        LastGaveUp = GaveUp;
    };
    for (;;) {
        std::size_t Span = 0;
        while (Span + 1 < Since.Count() && Start >= LookAgain(Span + 1)) {
            ++Span;
        }
        // Beyond the boundary the previous look saw the same text; if it got there and got there in the
        // same state, it went on as this look would and changed nothing before the next span.
        const std::size_t Boundary = UnchangedOperatorsAfter(Term, Since.At(Span, Term.Size()), 3);
        const bool Beyond = Boundary != std::string::npos && Start > Boundary;
        const bool Last = Span + 1 == Since.Count();
        if (Beyond && !GaveUpBefore(Start) && LaterJoined == JoinedBefore(Start)) {
            if (Last) {
                AsBefore();
                return;
            }
            Start = LookAgain(Span + 1);
            if (GaveUpBefore(Start)) {
                AsBefore();
                return;
            }
            if (!LaterJoined && JoinedBefore(Start)) {
                LaterJoined = true;
                LastJoined = Joined;
            }
            continue;
        }
        std::size_t Limit = std::string::npos;
        if (!Beyond && Boundary != std::string::npos) {
            Limit = Boundary + 1;
        } else if (Beyond && !Last) {
            Limit = LookAgain(Span + 1);
        }
        const std::size_t Found = Term.Find(Rule.Operator, Start, Limit);
        if (Found == std::string::npos) {
            if (Limit == std::string::npos) {
                return;
            }
            Start = Limit;
            continue;
        }
        const auto At = static_cast<std::ptrdiff_t>(Found);
        const auto Length = static_cast<std::ptrdiff_t>(Term.Size());
        // The first and the last character never join an operand, even once the outer parentheses are gone.
        std::ptrdiff_t Left = At;
        while (Left > 1 && IsNumberChar(Term.At(Left - 1))) {
            --Left;
        }
        std::ptrdiff_t Right = At;
        while (Right < Length - 2 && IsNumberChar(Term.At(Right + 1))) {
            ++Right;
        }
        const char Before = Term.At(Left - 1);
        const char After = Term.At(Right + 1);
        Start = Found + 1;
        if (Blocks(After)) {
            continue;
        }
        if (!LaterJoined && Rule.Later != '\0') {
            LaterJoined = true;
            LastJoined.Set(Found);
        }
        if (Blocks(Before) || !IsNeighbourChar(Before) || !IsNeighbourChar(After)) {
            continue;
        }
        if (IsEmptyRange(Term, Left, At) || IsEmptyRange(Term, At + 1, Right + 1)) {
            continue;
        }
        const std::string LeftOperand = Term.Substr(static_cast<std::size_t>(Left), Found - Left);
        const std::string RightOperand = Term.Substr(Found + 1, static_cast<std::size_t>(Right - At));
        const auto Result = ComputeOperation(Rule.Operator, LeftOperand, RightOperand);
        if (!Result) {
            LastGaveUp.Set(Found);
            return;
        }
        Term.Replace(static_cast<std::size_t>(Left), static_cast<std::size_t>(Right - Left + 1),
                     Result->View());
        // Searching again from the start would find nothing new before the character in front of the
        // result: the text there is unchanged and so is every decision about it.
        Start = static_cast<std::size_t>(Left - 1);
    }
}

} // namespace

std::string_view PrepareOperand(std::string_view Operand) {
    // Writing the exponent's sign out ("E" to "E+", "E+-" back to "E-") changes no value that is read
    // and, where the text is written back, is undone again; only pi needs replacing.
    return Operand == "P" ? PiText : Operand;
}

std::string TidyResult(std::string Text) {
    Text = std::string(TrimBlanks(Text));
    ReplaceAll(Text, "E+", "E");
    return Text;
}

void ReduceArithmetic(WorkingTerm& Term, ArithmeticRecord& Record) {
    // Each level sees the changes since the first level's previous look, which include those since its own.
    ChangedSpans Since = Record.Since;
    const Watching WatchSince(Term, Since);
    Record.Since = ChangedSpans::Nothing();
    for (std::size_t Index = 0; Index < ArithmeticLevels.size(); ++Index) {
        ReduceLevel(Term, ArithmeticLevels[Index], Since, Record.Joined[Index], Record.GaveUp[Index]);
    }
}

} // namespace MODULCalc
