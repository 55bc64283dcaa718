#include "calc/Reduce.h"

#include "calc/Arithmetic.h"
#include "calc/Evaluation.h"
#include "calc/FlatTerm.h"
#include "calc/GapText.h"
#include "calc/Parentheses.h"
#include "calc/Relations.h"
#include "calc/WorkingTerm.h"

#include <optional>

namespace MODULCalc {
namespace {

// What every stage saw on its previous look, kept up to date by the term while the passes change it.
struct PassRecords {
    ArithmeticRecord arithmetic{};
    ParenthesesRecord parentheses{};
    RelationRecords relations{};

    void watchedBy(WorkingTerm& term) {
        term.watch(arithmetic.since);
        // Only a level with a later operator ever marks where it joined, and only one whose operations may
        // give up marks where; the others' marks stay unknown.
        for (std::size_t level = 0; level < ArithmeticLevels.size(); ++level) {
            if (ArithmeticLevels[level].later != '\0')
                term.watch(arithmetic.joined[level]);
            if (ArithmeticLevels[level].mayGiveUp)
                term.watch(arithmetic.gaveUp[level]);
        }
        term.watch(parentheses.since);
        term.watch(relations.twoCharacter);
        term.watch(relations.oneCharacter);
        term.watch(relations.logic);
    }
};

// Whether the text between the unchanged ends differs from what stood there before.
bool differs(const WorkingTerm& term, const GapText& before, const Unchanged& same) {
    if (term.size() != before.size())
        return true;
    for (std::size_t pos = same.prefix; pos < same.suffixStart(term.size()); ++pos)
        if (term.at(static_cast<std::ptrdiff_t>(pos)) != before.at(static_cast<std::ptrdiff_t>(pos)))
            return true;
    return false;
}

bool callsVar(const FlatTerm& term) {
    return mayHold(term, "var(") && term.find("var(", 0) != std::string::npos;
}

// The passes of a followed Term, from the first look at the whole text on.
std::string reduceFollowed(std::string text, bool basicOnly, Evaluation& eval) {
    WorkingTerm term(std::move(text));
    PassRecords records;
    records.watchedBy(term);
    // Only var can make a Term grow, and make a pass give back the text it started from, so each text is
    // compared with the one before only when the Term holds a "v" at all; no other replacement puts
    // letters in. No pass makes a call to var that it also applies: every replacement but the parenthesis
    // step's leaves a digit, and that step applies at most one call.
    std::optional<GapText> previous;
    if (term.count(LetterV) > 0)
        previous.emplace(term.substr(0, term.size()));
    else
        unwatchUnused(term, records.relations);
    std::size_t searched = 0;
    for (;;) {
        const std::size_t size = term.size();
        const std::size_t replacements = term.replacements();
        // What stayed as it was, for the comparison with the previous text that only var needs.
        Unchanged same = Unchanged::whole(size);
        std::optional<Watching<WorkingTerm, Unchanged>> watchSame;
        if (previous)
            watchSame.emplace(term, same);
        reduceArithmetic(term, records.arithmetic);
        removeParentheses(term, eval, records.parentheses);
        if (!basicOnly)
            resolveRelationsAndLogic(term, records.relations);
        // Without var every replacement takes out at least one character that is not part of a number
        // and puts none in, so a pass leaves the text as it found it exactly when it replaced nothing.
        if (term.replacements() == replacements)
            return term.release();
        eval.chargePass(term.searched() - searched);
        searched = term.searched();
        if (!previous)
            continue;
        if (!differs(term, *previous, same))
            return term.release();
        const std::size_t middle = same.suffixStart(term.size()) - same.prefix;
        previous->replace(same.prefix, size - same.suffix - same.prefix, term.substr(same.prefix, middle));
    }
}

} // namespace

std::string reduceTerm(std::string normalised, bool basicOnly, Evaluation& eval, bool followChanges) {
    if (followChanges)
        return reduceFollowed(std::move(normalised), basicOnly, eval);
    FlatTerm term(std::move(normalised));
    for (;;) {
        // Once the Term calls var its passes follow the changes: a slot may make it grow without end.
        if (callsVar(term))
            return reduceFollowed(term.release(), basicOnly, eval);
        const std::size_t replacements = term.replacements();
        reduceArithmetic(term);
        removeParentheses(term, eval);
        if (!basicOnly)
            resolveRelationsAndLogic(term);
        if (term.replacements() == replacements)
            return term.release();
    }
}

} // namespace MODULCalc
