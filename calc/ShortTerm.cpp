#include "calc/ShortTerm.h"

#include "calc/Arithmetic.h"
#include "calc/Evaluation.h"
#include "calc/Functions.h"
#include "calc/NumberText.h"
#include "calc/Relations.h"
#include "calc/TermText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace MODULCalc {
namespace {

// The character at pos, or '\0' beyond either end, as the long road reads it.
char at(std::string_view text, std::ptrdiff_t pos) {
    return pos < 0 || static_cast<std::size_t>(pos) >= text.size() ? '\0'
                                                                   : text[static_cast<std::size_t>(pos)];
}

// The characters a pass looks for, as bits, so that one sweep at the start of a pass tells which stages
// can find anything. No stage puts any of them into the term: what it writes is made of number characters.
enum Holds : unsigned {
    HoldsClose = 1U << 8,
    HoldsRelation = 1U << 9,
    HoldsKeyword = 1U << 10,
    HoldsVar = 1U << 11,
};

unsigned holdsBit(char c) {
    switch (c) {
    case '^':
        return 1U;
    case '*':
        return 2U;
    case '/':
        return 4U;
    case '#':
        return 8U;
    case '+':
        return 16U;
    case ')':
        return HoldsClose;
    case '=':
    case '<':
    case '>':
    case '|':
        return HoldsRelation;
    case 'd':
    case 'o':
        // Every logical keyword holds one of "dov".
        return HoldsKeyword;
    case 'v':
        return HoldsKeyword | HoldsVar;
    default:
        return 0;
    }
}

const std::array<unsigned, 256> HoldsBits = [] {
    std::array<unsigned, 256> bits{};
    for (std::size_t byte = 0; byte < bits.size(); ++byte)
        bits[byte] = holdsBit(static_cast<char>(byte));
    return bits;
}();

unsigned heldBy(char c) {
    return HoldsBits[static_cast<unsigned char>(c)];
}

unsigned whatTermHolds(std::string_view term) {
    unsigned held = 0;
    for (const char c : term)
        held |= heldBy(c);
    return held;
}

// The replacements of a pass mostly put in fewer characters than they take out. Then the text moves up
// within its own storage, which costs less than the general replace with its checks for overlapping text.
// The replacement text must not point into the term.
void replace(std::string& term, std::size_t pos, std::size_t count, std::string_view with) {
    if (with.size() > count) {
        term.replace(pos, count, with);
        return;
    }
    char* const data = term.data();
    if (!with.empty())
        std::memcpy(data + pos, with.data(), with.size());
    std::memmove(data + pos + with.size(), data + pos + count, term.size() - pos - count);
    term.resize(term.size() - (count - with.size()));
}

unsigned blockingMask(std::size_t level) {
    static const auto Masks = [] {
        std::array<unsigned, ArithmeticLevels.size()> each{};
        for (std::size_t level = 0; level < each.size(); ++level)
            for (const char c : ArithmeticLevels[level].blocking)
                each[level] |= heldBy(c);
        return each;
    }();
    return Masks[level];
}

// Whether the operator occurs in the term at all.
bool reduceLevel(std::string& term, std::size_t level, bool& changed) {
    const LevelRule& rule = ArithmeticLevels[level];
    // The blocking operators as a mask of their bits, the later one joining it.
    unsigned blocking = blockingMask(level);
    const auto blocks = [&](char c) { return (heldBy(c) & blocking) != 0; };
    std::size_t start = 0;
    for (;;) {
        const std::string_view text(term);
        const std::size_t found = text.find(rule.op, start);
        if (found == std::string_view::npos)
            return start != 0;
        const auto foundAt = static_cast<std::ptrdiff_t>(found);
        const auto length = static_cast<std::ptrdiff_t>(text.size());
        // The first and the last character never join an operand.
        std::ptrdiff_t left = foundAt;
        while (left > 1 && isNumberChar(text[static_cast<std::size_t>(left - 1)]))
            --left;
        std::ptrdiff_t right = foundAt;
        while (right < length - 2 && isNumberChar(text[static_cast<std::size_t>(right + 1)]))
            ++right;
        const char before = at(text, left - 1);
        const char after = at(text, right + 1);
        start = found + 1;
        if (blocks(after))
            continue;
        blocking |= heldBy(rule.later);
        if (blocks(before) || !isNeighbourChar(before) || !isNeighbourChar(after))
            continue;
        const auto first = static_cast<std::size_t>(left);
        const auto last = static_cast<std::size_t>(right) + 1;
        const std::string_view leftOperand = text.substr(first, found - first);
        const std::string_view rightOperand = text.substr(found + 1, last - found - 1);
        if (IsEmptyOperand(leftOperand) || IsEmptyOperand(rightOperand))
            continue;
        const auto result = computeOperation(rule.op, leftOperand, rightOperand);
        if (!result)
            return true;
        replace(term, first, last - first, result->view());
        changed = true;
        // Nothing before the character in front of the result has changed, nor any decision about it.
        start = first - 1;
    }
}

// Whether the term holds a closing parenthesis at all.
bool removeParentheses(std::string& term, Evaluation& eval, bool& changed) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t close = term.find(')', from);
        if (close == std::string::npos)
            return from != 0;
        from = close + 1;
        std::size_t open = close;
        while (open > 0 && isNumberChar(term[open - 1]))
            --open;
        if (open == 0 || term[open - 1] != '(')
            continue;
        --open;
        const std::string content = term.substr(open + 1, close - open - 1);
        // No room for a function name within the first four characters (not bytes).
        if (!hasCharacters(std::string_view(term).substr(0, std::min<std::size_t>(open, 16)), 4)) {
            replace(term, open, close - open + 1, content);
            changed = true;
            return true;
        }
        const std::string_view argument = prepareOperand(content);
        auto outcome = applyFunction(std::string_view(term).substr(open - 3, 3), argument, eval);
        switch (outcome.what) {
        case FunctionOutcome::Kind::Applied:
            replace(term, open - 3, close - open + 4, tidyResult(std::move(outcome.text)));
            changed = true;
            return true;
        case FunctionOutcome::Kind::NotAFunction:
            replace(term, open, close - open + 1, argument);
            changed = true;
            return true;
        case FunctionOutcome::Kind::Refused:
            break;
        }
    }
}

void resolve(std::string& term, std::string_view op, bool& changed) {
    const auto width = static_cast<std::ptrdiff_t>(op.size());
    std::size_t start = 0;
    for (;;) {
        const std::size_t found = term.find(op, start);
        if (found == std::string::npos)
            return;
        const std::string_view text(term);
        const auto length = static_cast<std::ptrdiff_t>(text.size());
        const auto foundAt = static_cast<std::ptrdiff_t>(found);
        if (foundAt < 1 || foundAt > length - 3)
            return;
        std::ptrdiff_t left = foundAt;
        while (left != 0 && isNumberChar(text[static_cast<std::size_t>(left - 1)]))
            --left;
        const std::ptrdiff_t operatorEnd = foundAt + width - 1;
        std::ptrdiff_t right = operatorEnd;
        while (right != length - 1 && isNumberChar(text[static_cast<std::size_t>(right + 1)]))
            ++right;
        if (right == operatorEnd || left == foundAt) {
            start = found + 1;
            continue;
        }
        const auto first = static_cast<std::size_t>(left);
        const auto afterOperator = static_cast<std::size_t>(operatorEnd + 1);
        const double a = readNumber(text.substr(first, found - first));
        const double b =
            readNumber(text.substr(afterOperator, static_cast<std::size_t>(right) + 1 - afterOperator));
        replace(term, first, static_cast<std::size_t>(right - left + 1), relationHolds(op, a, b) ? "1" : "0");
        changed = true;
        start = first + 1;
    }
}

bool hasTwoCharacterRelation(std::string_view term) {
    return std::any_of(
        TwoCharacterOrder.begin(), TwoCharacterOrder.end(),
        [&](std::string_view op) { return term.find(op) != std::string_view::npos; });
}

void resolveRelationsAndLogic(std::string& term, unsigned held, bool& changed) {
    if ((held & HoldsRelation) != 0) {
        if (hasTwoCharacterRelation(term))
            for (const auto op : TwoCharacterOrder)
                resolve(term, op, changed);
        else
            for (const auto op : OneCharacterOrder)
                resolve(term, op, changed);
    }
    if ((held & HoldsKeyword) != 0) {
        for (const auto& row : LogicRows) {
            const std::size_t before = term.size();
            ReplaceAll(term, row.find, row.replace);
            // Every row replaces its text by a shorter one.
            changed = changed || term.size() != before;
        }
    }
}

} // namespace

ShortOutcome reduceShort(std::string term, bool basicOnly, Evaluation& eval) {
    // No stage adds any of the characters the bits stand for, so the bits stay true of every later text,
    // or turn false where a stage's look from the start finds none of its characters any more.
    unsigned held = whatTermHolds(term);
    for (;;) {
        // Slot text is followed through the passes on the long road only (see InsertedText). No pass
        // makes a call to var that it also applies: every replacement but the parenthesis step's leaves
        // a digit, and that step applies at most one call.
        if ((held & HoldsVar) != 0 && term.find("var(") != std::string::npos)
            return {std::move(term), false};
        // Without var every replacement takes out at least one character that is not part of a number
        // and puts none in, so a pass leaves the text as it found it exactly when it replaced nothing.
        bool changed = false;
        for (std::size_t level = 0; level < ArithmeticLevels.size(); ++level) {
            const unsigned bit = heldBy(ArithmeticLevels[level].op);
            if ((held & bit) != 0 && !reduceLevel(term, level, changed))
                held &= ~bit;
        }
        if ((held & HoldsClose) != 0 && !removeParentheses(term, eval, changed))
            held &= ~HoldsClose;
        if (!basicOnly)
            resolveRelationsAndLogic(term, held, changed);
        if (!changed)
            return {std::move(term), true};
    }
}

} // namespace MODULCalc
