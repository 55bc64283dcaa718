#include "calc/LongTerm.h"

#include "calc/Arithmetic.h"
#include "calc/Evaluation.h"
#include "calc/GapText.h"
#include "calc/Parentheses.h"
#include "calc/Relations.h"
#include "calc/WorkingTerm.h"

namespace MODULCalc {
namespace {

// What every stage saw on its previous look, kept up to date by the term while the passes change it.
struct PassRecords {
    ArithmeticRecord arithmetic{};
    ParenthesesRecord parentheses{};
    RelationRecords relations{};

    void watchedBy(WorkingTerm& term) {
        term.watch(arithmetic.since);
        for (auto& level : arithmetic.joined)
            term.watch(level);
        for (auto& level : arithmetic.gaveUp)
            term.watch(level);
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

} // namespace

std::string reduceLong(std::string normalised, bool basicOnly, Evaluation& eval) {
    GapText previous(normalised);
    WorkingTerm term(std::move(normalised));
    PassRecords records;
    records.watchedBy(term);
    for (;;) {
        const std::size_t size = term.size();
        Unchanged same = Unchanged::whole(size);
        const Watching watchSame(term, same);
        eval.termSize = size;
        reduceArithmetic(term, records.arithmetic);
        removeParentheses(term, eval, records.parentheses);
        if (!basicOnly)
            resolveRelationsAndLogic(term, records.relations);
        if (same.prefix == size && same.suffix == size)
            return term.release();
        // Only slot text inserted by var can make a pass give back the text it started from.
        if (!differs(term, previous, same))
            return term.release();
        const std::size_t middle = same.suffixStart(term.size()) - same.prefix;
        previous.replace(same.prefix, size - same.suffix - same.prefix, term.substr(same.prefix, middle));
    }
}

} // namespace MODULCalc
