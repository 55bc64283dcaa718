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

// The character at Pos, or '\0' beyond either end, as the long road reads it.
char At(std::string_view Text, std::ptrdiff_t Pos) {
    return Pos < 0 || static_cast<std::size_t>(Pos) >= Text.size() ? '\0'
                                                                   : Text[static_cast<std::size_t>(Pos)];
}

// The characters a pass looks for, as bits, so that one sweep at the start of a pass tells which stages
// can find anything. No stage puts any of them into the term: what it writes is made of number characters.
enum Holds : unsigned {
    HoldsClose = 1U << 8,
    HoldsRelation = 1U << 9,
    HoldsKeyword = 1U << 10,
    HoldsVar = 1U << 11,
};

unsigned HoldsBit(char C) {
    switch (C) {
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
    std::array<unsigned, 256> Bits{};
    for (std::size_t Byte = 0; Byte < Bits.size(); ++Byte) {
        Bits[Byte] = HoldsBit(static_cast<char>(Byte));
    }
    return Bits;
}();

unsigned HeldBy(char C) {
    return HoldsBits[static_cast<unsigned char>(C)];
}

unsigned WhatTermHolds(std::string_view Term) {
    unsigned Held = 0;
    for (const char C : Term) {
        Held |= HeldBy(C);
    }
    return Held;
}

// The replacements of a pass mostly put in fewer characters than they take out. Then the text moves up
// within its own storage, which costs less than the general replace with its checks for overlapping text.
// With must not point into Term.
void Replace(std::string& Term, std::size_t Pos, std::size_t Count, std::string_view With) {
    if (With.size() > Count) {
        Term.replace(Pos, Count, With);
        return;
    }
    char* const Data = Term.data();
    if (!With.empty()) {
        std::memcpy(Data + Pos, With.data(), With.size());
    }
    std::memmove(Data + Pos + With.size(), Data + Pos + Count, Term.size() - Pos - Count);
    Term.resize(Term.size() - (Count - With.size()));
}

// For every character: 0 where it ends an operand, Joins where it is a number character, and Carries too
// where it is one of the digits and pi, without which an operand is empty.
constexpr unsigned char Joins = 1;
constexpr unsigned char Carries = 2;
constexpr auto OperandChars = [] {
    std::array<unsigned char, 256> Table{};
    for (const char C : std::string_view("-.E")) {
        Table[static_cast<unsigned char>(C)] = Joins;
    }
    for (const char C : std::string_view("0123456789P")) {
        Table[static_cast<unsigned char>(C)] = Joins | Carries;
    }
    return Table;
}();

unsigned char OperandChar(char C) {
    return OperandChars[static_cast<unsigned char>(C)];
}

unsigned BlockingMask(std::size_t Level) {
    static const auto Masks = [] {
        std::array<unsigned, ArithmeticLevels.size()> Each{};
        for (std::size_t Level = 0; Level < Each.size(); ++Level) {
            for (const char C : ArithmeticLevels[Level].Blocking) {
                Each[Level] |= HeldBy(C);
            }
        }
        return Each;
    }();
    return Masks[Level];
}

// Whether the operator occurs in the term at all.
bool ReduceLevel(std::string& Term, std::size_t Level, bool& Changed) {
    const LevelRule& Rule = ArithmeticLevels[Level];
    // The blocking operators as a mask of their bits, the later one joining it.
    unsigned Blocking = BlockingMask(Level);
    const auto Blocks = [&](char C) { return (HeldBy(C) & Blocking) != 0; };
    std::size_t Start = 0;
    for (;;) {
        const std::string_view Text(Term);
        const std::size_t Found = Text.find(Rule.Operator, Start);
        if (Found == std::string_view::npos) {
            return Start != 0;
        }
        const auto Found_ = static_cast<std::ptrdiff_t>(Found);
        const auto Length = static_cast<std::ptrdiff_t>(Text.size());
        // The first and the last character never join an operand.
        unsigned char LeftKinds = 0;
        std::ptrdiff_t Left = Found_;
        for (unsigned char Kind = 0;
             Left > 1 && (Kind = OperandChar(Text[static_cast<std::size_t>(Left - 1)])) != 0; --Left) {
            LeftKinds |= Kind;
        }
        unsigned char RightKinds = 0;
        std::ptrdiff_t Right = Found_;
        for (unsigned char Kind = 0;
             Right < Length - 2 && (Kind = OperandChar(Text[static_cast<std::size_t>(Right + 1)])) != 0;
             ++Right) {
            RightKinds |= Kind;
        }
        const char Before = At(Text, Left - 1);
        const char After = At(Text, Right + 1);
        Start = Found + 1;
        if (Blocks(After)) {
            continue;
        }
        Blocking |= HeldBy(Rule.Later);
        if (Blocks(Before) || !IsNeighbourChar(Before) || !IsNeighbourChar(After)) {
            continue;
        }
        if ((LeftKinds & RightKinds & Carries) == 0) {
            continue;
        }
        const auto First = static_cast<std::size_t>(Left);
        const auto Last = static_cast<std::size_t>(Right) + 1;
        const auto Result = ComputeOperation(Rule.Operator, Text.substr(First, Found - First),
                                             Text.substr(Found + 1, Last - Found - 1));
        if (!Result) {
            return true;
        }
        Replace(Term, First, Last - First, Result->View());
        Changed = true;
        // Nothing before the character in front of the result has changed, nor any decision about it.
        Start = First - 1;
    }
}

// Whether the term holds a closing parenthesis at all.
bool RemoveParentheses(std::string& Term, Evaluation& Eval, bool& Changed) {
    std::size_t From = 0;
    for (;;) {
        const std::size_t Close = Term.find(')', From);
        if (Close == std::string::npos) {
            return From != 0;
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
        // No room for a function name within the first four characters (not bytes).
        if (!HasCharacters(std::string_view(Term).substr(0, std::min<std::size_t>(Open, 16)), 4)) {
            Replace(Term, Open, Close - Open + 1, Content);
            Changed = true;
            return true;
        }
        const std::string_view Argument = PrepareOperand(Content);
        auto Outcome = ApplyFunction(std::string_view(Term).substr(Open - 3, 3), Argument, Eval);
        switch (Outcome.What) {
        case FunctionOutcome::Kind::Applied:
            Replace(Term, Open - 3, Close - Open + 4, TidyResult(std::move(Outcome.Text)));
            Changed = true;
            return true;
        case FunctionOutcome::Kind::NotAFunction:
            Replace(Term, Open, Close - Open + 1, Argument);
            Changed = true;
            return true;
        case FunctionOutcome::Kind::Refused:
            break;
        }
    }
}

void Resolve(std::string& Term, std::string_view Operator, bool& Changed) {
    const auto Width = static_cast<std::ptrdiff_t>(Operator.size());
    std::size_t Start = 0;
    for (;;) {
        const std::size_t Found = Term.find(Operator, Start);
        if (Found == std::string::npos) {
            return;
        }
        const std::string_view Text(Term);
        const auto Length = static_cast<std::ptrdiff_t>(Text.size());
        const auto Found_ = static_cast<std::ptrdiff_t>(Found);
        if (Found_ < 1 || Found_ > Length - 3) {
            return;
        }
        std::ptrdiff_t Left = Found_;
        while (Left != 0 && IsNumberChar(Text[static_cast<std::size_t>(Left - 1)])) {
            --Left;
        }
        const std::ptrdiff_t OperatorEnd = Found_ + Width - 1;
        std::ptrdiff_t Right = OperatorEnd;
        while (Right != Length - 1 && IsNumberChar(Text[static_cast<std::size_t>(Right + 1)])) {
            ++Right;
        }
        if (Right == OperatorEnd || Left == Found_) {
            Start = Found + 1;
            continue;
        }
        const auto First = static_cast<std::size_t>(Left);
        const auto AfterOperator = static_cast<std::size_t>(OperatorEnd + 1);
        const double A = ReadNumber(Text.substr(First, Found - First));
        const double B =
            ReadNumber(Text.substr(AfterOperator, static_cast<std::size_t>(Right) + 1 - AfterOperator));
        Replace(Term, First, static_cast<std::size_t>(Right - Left + 1),
                RelationHolds(Operator, A, B) ? "1" : "0");
        Changed = true;
        Start = First + 1;
    }
}

bool HasTwoCharacterRelation(std::string_view Term) {
    return std::any_of(TwoCharacterOrder.begin(), TwoCharacterOrder.end(), [&](std::string_view Operator) {
        return Term.find(Operator) != std::string_view::npos;
    });
}

void ResolveRelationsAndLogic(std::string& Term, unsigned Held, bool& Changed) {
    if ((Held & HoldsRelation) != 0) {
        if (HasTwoCharacterRelation(Term)) {
            for (const auto Operator : TwoCharacterOrder) {
                Resolve(Term, Operator, Changed);
            }
        } else {
            for (const auto Operator : OneCharacterOrder) {
                Resolve(Term, Operator, Changed);
            }
        }
    }
    if ((Held & HoldsKeyword) != 0) {
        for (const auto& Row : LogicRows) {
            const std::size_t Before = Term.size();
            ReplaceAll(Term, Row.Find, Row.Replace);
            // Every row replaces its text by a shorter one.
            Changed = Changed || Term.size() != Before;
        }
    }
}

} // namespace

ShortOutcome ReduceShort(std::string Term, std::int16_t BasicOnly, Evaluation& Eval) {
    // No stage adds any of the characters the bits stand for, so the bits stay true of every later text,
    // or turn false where a stage's look from the start finds none of its characters any more.
    unsigned Held = WhatTermHolds(Term);
    for (;;) {
        // Slot text is followed through the passes on the long road only (see InsertedText). No pass
        // makes a call to var that it also applies: every replacement but the parenthesis step's leaves
        // a digit, and that step applies at most one call.
        if ((Held & HoldsVar) != 0 && Term.find("var(") != std::string::npos) {
            return {std::move(Term), false};
        }
        // Without var every replacement takes out at least one character that is not part of a number
        // and puts none in, so a pass leaves the text as it found it exactly when it replaced nothing.
        bool Changed = false;
        for (std::size_t Level = 0; Level < ArithmeticLevels.size(); ++Level) {
            const unsigned Bit = HeldBy(ArithmeticLevels[Level].Operator);
            if ((Held & Bit) != 0 && !ReduceLevel(Term, Level, Changed)) {
                Held &= ~Bit;
            }
        }
        if ((Held & HoldsClose) != 0 && !RemoveParentheses(Term, Eval, Changed)) {
            Held &= ~HoldsClose;
        }
        if (BasicOnly == 0) {
            ResolveRelationsAndLogic(Term, Held, Changed);
        }
        if (!Changed) {
            return {std::move(Term), true};
        }
    }
}

} // namespace MODULCalc
