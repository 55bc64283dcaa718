#pragma once

#include "calc/FlatTerm.h"
#include "calc/NumberText.h"
#include "calc/WorkingTerm.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace MODULCalc {

// One arithmetic level: its operator, and what keeps an occurrence of it waiting.
struct LevelRule {
    char op;
    CharacterKind kind;
    // Operators that, standing next to an operand, keep this level's operation waiting.
    std::array<bool, 256> blocking;
    // Joins blocking once an occurrence has passed the right-hand check, so that "8/4*2" waits for the
    // division and "2^3^2" computes its first power before the second.
    char later;
    // Whether an operation may give up the rest of the level: a power with a negative exponent or 0^0, a
    // division by 0.
    bool mayGiveUp;
};

// The levels of one pass, in their order.
inline constexpr std::array<LevelRule, 5> ArithmeticLevels{{
    {'^', Power, characterTable(""), '^', true},
    {'*', Times, characterTable("^#"), '/', false},
    {'/', Divide, characterTable("^#"), '\0', true},
    {'#', Remainder, characterTable("^"), '\0', false},
    {'+', Plus, characterTable("^#*/"), '\0', false},
}};

// The result text of one operation, or nothing when the operation gives up the rest of its level for
// this pass (a power with a negative exponent or 0^0, a division by 0).
std::optional<ResultText> computeOperation(char op, std::string_view left, std::string_view right);

// The operand text as it is read: "P" stands for pi.
std::string_view prepareOperand(std::string_view operand);

// The text the engine writes back for a computed value: no blanks around it and no plus sign in the
// exponent, so that a later level cannot take that sign for an addition.
std::string tidyResult(std::string text);

// What the arithmetic levels saw on their previous look at the working term: the text unchanged since the
// first level's look, and for each level where its later blocking operator joined and where it gave up
// the rest of the level.
struct ArithmeticRecord {
    ChangedSpans since;
    std::array<Mark, 5> joined{};
    std::array<Mark, 5> gaveUp{};
};

// The arithmetic levels of one pass: a short Term is looked at whole, a followed one where it changed since
// the record's previous look.
void reduceArithmetic(FlatTerm& term);
void reduceArithmetic(WorkingTerm& term, ArithmeticRecord& record);

} // namespace MODULCalc
