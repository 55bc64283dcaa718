#include "calc/Arithmetic.h"

#include "calc/Evaluation.h"
#include "calc/NumberText.h"
#include "calc/TermText.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <optional>

namespace MODULCalc {
namespace {

double readOperand(std::string_view operand) {
    return readNumber(prepareOperand(operand));
}

// Rounds to a 32-bit integer as the remainder operator needs it.
std::int64_t toInt32(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw CalcFault{Fault::Overflow};
    return static_cast<std::int64_t>(rounded);
}

} // namespace

std::optional<ResultText> computeOperation(char op, std::string_view left, std::string_view right) {
    const double a = readOperand(left);
    const double b = readOperand(right);
    double value = 0;
    switch (op) {
    case '^':
        if (b < 0 || (a == 0 && b == 0))
            return std::nullopt;
        value = std::pow(a, b);
        if (std::isnan(value))
            throw CalcFault{Fault::InvalidArgument};
        break;
    case '*':
        value = a * b;
        break;
    case '/':
        if (b == 0)
            return std::nullopt;
        value = a / b;
        break;
    case '#': {
        const std::int64_t dividend = toInt32(a);
        const std::int64_t divisor = toInt32(b);
        if (divisor == 0)
            throw CalcFault{Fault::DivisionByZero};
        // Computed in 64 bits so that -2147483648 # -1 gives its true remainder, 0, instead of trapping.
        return writeIntegerResult(dividend % divisor);
    }
    default:
        value = a + b;
        break;
    }
    if (!std::isfinite(value))
        throw CalcFault{Fault::Overflow};
    return writeResult(value);
}

namespace {

// An operand is a run of number characters, which is empty when it holds no digit and no pi. The run may
// straddle the gap of the working term, so it is read a character at a time: nearly every operand has a
// digit first or second ("7", "-7", ".5").
template <typename Term> bool isEmptyOperandAt(const Term& term, std::ptrdiff_t first, std::ptrdiff_t last) {
    for (std::ptrdiff_t pos = first; pos < last; ++pos)
        if (!isEmptyOperandChar(term.at(pos)))
            return false;
    return true;
}

// One look of a level along the term: the rule for each occurrence of its operator, in the order the
// look meets them.
template <typename Term> class LevelLook {
public:
    LevelLook(const LevelRule& rule, bool laterJoined, Mark& lastJoined, Mark& lastGaveUp)
        : rule_(rule), laterJoined_(laterJoined), lastJoined_(lastJoined), lastGaveUp_(lastGaveUp) {}

    bool laterJoined() const { return laterJoined_; }
    void joinLater() { laterJoined_ = true; }

    // Decides the occurrence at found and computes it where it may: where the look goes on, or nothing
    // when the level gives up the rest of this pass (a power with a negative exponent or 0^0, a division
    // by 0).
    std::optional<std::size_t> at(Term& term, std::size_t found) {
        const auto pos = static_cast<std::ptrdiff_t>(found);
        const auto length = static_cast<std::ptrdiff_t>(term.size());
        // The first and the last character never join an operand, even once the outer parentheses are gone.
        const std::ptrdiff_t right =
            pos < length - 2 ? std::min<std::ptrdiff_t>(
                                   static_cast<std::ptrdiff_t>(term.runEnd(found + 1)) - 1, length - 2)
                             : pos;
        const char after = term.at(right + 1);
        // No operator stands within the right operand, so a skipped occurrence is passed with it.
        const auto skip = static_cast<std::size_t>(right) + 1;
        if (blocks(after))
            return skip;
        if (!laterJoined_ && rule_.later != '\0') {
            laterJoined_ = true;
            lastJoined_.set(found);
        }
        // The right-hand side settles most skips, before the walk back over the left operand.
        if (!isNeighbourChar(after) || isEmptyOperandAt(term, pos + 1, right + 1))
            return skip;
        const std::ptrdiff_t left =
            pos > 1 ? std::max<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(term.runStart(found)), 1) : pos;
        const char before = term.at(left - 1);
        if (blocks(before) || !isNeighbourChar(before) || isEmptyOperandAt(term, left, pos))
            return skip;
        // Both are read in one view, before the term changes: making a second view may move the text the
        // first one shows.
        const std::string_view operation =
            term.view(static_cast<std::size_t>(left), static_cast<std::size_t>(right - left + 1));
        const std::string_view leftOperand = operation.substr(0, static_cast<std::size_t>(pos - left));
        const std::string_view rightOperand = operation.substr(static_cast<std::size_t>(pos - left) + 1);
        const auto result = computeOperation(rule_.op, leftOperand, rightOperand);
        if (!result) {
            // Only the levels whose give-up marks are watched may give up.
            assert(rule_.mayGiveUp);
            lastGaveUp_.set(found);
            return std::nullopt;
        }
        term.replaceNumbers(static_cast<std::size_t>(left), static_cast<std::size_t>(right - left + 1),
                            result->view(), rule_.kind);
        // Searching again from the start would find nothing new before the character in front of the
        // result: the text there is unchanged and so is every decision about it.
        return static_cast<std::size_t>(left - 1);
    }

private:
    bool blocks(char c) const {
        return rule_.blocking[static_cast<unsigned char>(c)] || (laterJoined_ && c == rule_.later);
    }

    const LevelRule& rule_;
    bool laterJoined_;
    Mark& lastJoined_;
    Mark& lastGaveUp_;
};

// Every decision about an occurrence depends on its operands, the characters around them and on two
// facts about the occurrences before it: whether one has passed the right-hand check (the later operator
// joins the blocking operators there) and whether the level gave up. Where the text before an occurrence is
// unchanged since the previous look, so are those facts and the decision, which then skipped it; the
// same holds in the unchanged text after each changed span once both facts agree with the previous look
// there, up to where the next span needs a look again.
void followLevel(WorkingTerm& term, const LevelRule& rule, const ChangedSpans& since,
                 SpanLooks<WorkingTerm>& looks, Mark& lastJoined, Mark& lastGaveUp) {
    if (since.count() == 0) {
        // The previous look saw this very text and left it so.
        return;
    }
    Mark joined = lastJoined;
    Mark gaveUp = lastGaveUp;
    // A mark that is not known stays so whatever is replaced, and needs no watching.
    std::optional<Watching<WorkingTerm, Mark>> watchJoined;
    std::optional<Watching<WorkingTerm, Mark>> watchGaveUp;
    if (joined.known())
        watchJoined.emplace(term, joined);
    if (gaveUp.known())
        watchGaveUp.emplace(term, gaveUp);
    const auto lookAgain = [&](std::size_t span) { return looks.lookAgain(span); };
    const auto joinedBefore = [&](std::size_t pos) {
        return rule.later != '\0' && joined.known() && joined.pos < pos;
    };
    const auto gaveUpBefore = [&](std::size_t pos) { return gaveUp.known() && gaveUp.pos < pos; };

    std::size_t start = lookAgain(0);
    if (gaveUpBefore(start)) {
        // The level gives up at the same place again and does nothing before it.
        return;
    }
    LevelLook<WorkingTerm> look(rule, joinedBefore(start), lastJoined, lastGaveUp);
    if (!look.laterJoined())
        lastJoined = Mark{};
    lastGaveUp = Mark{};
    // What the previous look left behind when this one goes on as it did to the end.
    const auto asBefore = [&] {
        if (!look.laterJoined())
            lastJoined = joined;
        lastGaveUp = gaveUp;
    };
    for (;;) {
        std::size_t span = 0;
        while (span + 1 < since.count() && start >= lookAgain(span + 1))
            ++span;
        // Beyond the boundary the previous look saw the same text; if it got there and got there in the
        // same state, it went on as this look would and changed nothing before the next span.
        const std::size_t boundary = looks.boundary(span);
        const bool beyond = boundary != std::string::npos && start > boundary;
        const bool last = span + 1 == since.count();
        if (beyond && !gaveUpBefore(start) && look.laterJoined() == joinedBefore(start)) {
            if (last) {
                asBefore();
                return;
            }
            start = lookAgain(span + 1);
            if (gaveUpBefore(start)) {
                asBefore();
                return;
            }
            if (!look.laterJoined() && joinedBefore(start)) {
                look.joinLater();
                lastJoined = joined;
            }
            continue;
        }
        std::size_t limit = std::string::npos;
        if (!beyond && boundary != std::string::npos)
            limit = boundary + 1;
        else if (beyond && !last)
            limit = lookAgain(span + 1);
        const std::size_t found = term.find(rule.op, start, limit);
        if (found == std::string::npos) {
            if (limit == std::string::npos)
                return;
            start = limit;
            continue;
        }
        const auto next = look.at(term, found);
        if (!next)
            return;
        start = *next;
    }
}

// A whole look: every occurrence from the start.
void reduceLevel(FlatTerm& term, const LevelRule& rule) {
    if (term.count(rule.kind) == 0)
        return;
    Mark lastJoined;
    Mark lastGaveUp;
    LevelLook<FlatTerm> look(rule, false, lastJoined, lastGaveUp);
    for (std::size_t start = 0;;) {
        const std::size_t found = term.find(rule.op, start);
        if (found == std::string::npos) {
            if (start == 0)
                term.noneLeft(rule.kind);
            return;
        }
        const auto next = look.at(term, found);
        if (!next)
            return;
        start = *next;
    }
}

void reduceLevel(WorkingTerm& term, const LevelRule& rule, const ChangedSpans& since,
                 SpanLooks<WorkingTerm>& looks, Mark& lastJoined, Mark& lastGaveUp) {
    if (term.count(rule.kind) == 0) {
        // What a look finds where the operator does not occur.
        lastJoined = Mark{};
        lastGaveUp = Mark{};
        return;
    }
    followLevel(term, rule, since, looks, lastJoined, lastGaveUp);
}

} // namespace

std::string_view prepareOperand(std::string_view operand) {
    // Writing the exponent's sign out ("E" to "E+", "E+-" back to "E-") changes no value that is read
    // and, where the text is written back, is undone again; only pi needs replacing.
    return operand == "P" ? PiText : operand;
}

std::string tidyResult(std::string text) {
    text = std::string(trimBlanks(text));
    ReplaceAll(text, "E+", "E");
    return text;
}

void reduceArithmetic(FlatTerm& term) {
    for (const auto& rule : ArithmeticLevels)
        reduceLevel(term, rule);
}

void reduceArithmetic(WorkingTerm& term, ArithmeticRecord& record) {
    // Each level sees the changes since the first level's previous look, which include those since its own.
    ChangedSpans since = record.since;
    const Watching watchSince(term, since);
    record.since = ChangedSpans::nothing();
    SpanLooks looks(term, since);
    for (std::size_t index = 0; index < ArithmeticLevels.size(); ++index)
        reduceLevel(term, ArithmeticLevels[index], since, looks, record.joined[index], record.gaveUp[index]);
}

} // namespace MODULCalc
