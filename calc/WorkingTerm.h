#pragma once

#include "calc/GapText.h"
#include "calc/InsertedText.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace MODULCalc {

// The part of a text that is known to be unchanged since some moment: its first Prefix and its last
// Suffix characters. Everything between them may have changed. Both only shrink as replacements happen.
struct Unchanged {
    std::size_t Prefix = 0;
    std::size_t Suffix = 0;

    static Unchanged Whole(std::size_t Size) { return {Size, Size}; }
    // The first position of the unchanged end, in a text of Size characters.
    std::size_t SuffixStart(std::size_t Size) const { return Size - Suffix; }
    void Note(std::size_t Pos, std::size_t Count, std::size_t OldSize) {
        Prefix = Prefix < Pos ? Prefix : Pos;
        const std::size_t After = OldSize - Pos - Count;
        Suffix = Suffix < After ? Suffix : After;
    }
};

// The parts of a text changed since some moment, as a few separate spans in the text's present positions:
// a Term that changes at both ends in one pass, while a long run in the middle waits its turn, then costs
// a look at both ends only. Where the spans would be too many, the two closest are joined with what lies
// between them. At first the whole text counts as changed.
class ChangedSpans {
public:
    // The characters from First up to Last (exclusive); a span with none marks where text was removed.
    struct Span {
        std::size_t First;
        std::size_t Last;
    };

    static ChangedSpans Nothing() {
        ChangedSpans None;
        None.Everything = false;
        return None;
    }
    // The spans in order, in a text of Size characters.
    std::size_t Count() const { return Everything ? 1 : Used; }
    Span At(std::size_t Index, std::size_t Size) const { return Everything ? Span{0, Size} : Spans[Index]; }
    void Note(std::size_t Pos, std::size_t Count, std::size_t Inserted);

private:
    static constexpr std::size_t Capacity = 6;
    bool Everything = true;
    std::array<Span, Capacity> Spans{};
    std::size_t Used = 0;
};

// A position in the text that moves with replacements before it; a replacement over it loses it.
struct Mark {
    static constexpr std::size_t None = static_cast<std::size_t>(-1);
    std::size_t Pos = None;
    bool Lost = false;

    void Set(std::size_t At) {
        Pos = At;
        Lost = false;
    }
    bool Known() const { return Pos != None; }
    void Note(std::size_t At, std::size_t Count, std::size_t Inserted) {
        if (Pos == None || Pos < At) {
            return;
        }
        if (Pos >= At + Count) {
            Pos = Pos - Count + Inserted;
        } else {
            Pos = At;
            Lost = true;
        }
    }
};

// The working term of one evaluation. Every stage of a pass looks again only where the text changed since
// its own previous look: a Term that reduces by one small step per pass then costs each pass the size of
// that step, not the length of the Term. To that end every replacement is reported to the stages'
// records (Unchanged extents and Marks) that are watching.
class WorkingTerm {
public:
    // Kinds of characters the term counts, so that a stage with nothing to look for is passed over.
    enum Kind : unsigned char {
        Power,
        Times,
        Divide,
        Remainder,
        Plus,
        Close,
        Relational,
        KeywordLetter,
        Other
    };

    explicit WorkingTerm(std::string Text);

    std::size_t Size() const { return Text.Size(); }
    char At(std::ptrdiff_t Pos) const { return Text.At(Pos); }
    // Occurrences that start before Limit.
    std::size_t Find(char C, std::size_t From, std::size_t Limit = std::string::npos) const {
        return Text.Find(C, From, Limit);
    }
    std::size_t Find(std::string_view Needle, std::size_t From, std::size_t Limit = std::string::npos) const {
        return Text.Find(Needle, From, Limit);
    }
    std::string Substr(std::size_t Pos, std::size_t Count) const { return Text.Substr(Pos, Count); }
    std::string Release() { return Text.Release(); }

    void Replace(std::size_t Pos, std::size_t Count, std::string_view With);
    // Text var inserted, followed through every later replacement.
    InsertedText& Inserted() { return Slotted; }

    // A record that every later replacement updates, until it is unwatched.
    void Watch(Unchanged& Extent);
    void Watch(Mark& Position);
    void Watch(ChangedSpans& Changes);
    void Unwatch(Unchanged& Extent);
    void Unwatch(ChangedSpans& Changes);
    void Unwatch(Mark& Position);

    // How many characters of a kind the term holds: operators "^*/#+", ")", relational characters
    // "=<>|", and the letters "dov" of which every logical keyword holds at least one (and of the function
    // names only cos, log and var).
    std::size_t Count(Kind Of) const { return Counts[Of]; }
    static Kind KindOf(char C);
    // Of the two-character relational operators (">=", "=>", "<=", "=<", "<>").
    std::size_t TwoCharacterRelations();

private:
    std::size_t PairsIn(std::size_t First, std::size_t Last) const;
    void CountIn(std::size_t Pos, std::size_t Count, int Sign);

    GapText Text;
    InsertedText Slotted;
    std::array<Unchanged*, 16> Extents{};
    std::size_t ExtentCount = 0;
    std::array<Mark*, 16> Marks{};
    std::size_t MarkCount = 0;
    std::array<ChangedSpans*, 8> Changed{};
    std::size_t ChangedCount = 0;
    std::array<std::size_t, Other + 1> Counts{};
    // Pairs are counted only while the term holds relational characters at all.
    bool PairsCounted = false;
    std::size_t PairCount = 0;
};

// Where a stage must look again at an operator whose operands are runs of number characters: before
// the run that reaches into the changed text, and at least Margin characters before that text, so that
// the checks against either end of the term are covered too.
std::size_t LookAgainFrom(const WorkingTerm& Term, const Unchanged& Since, std::size_t Margin);
std::size_t LookAgainFrom(const WorkingTerm& Term, const ChangedSpans::Span& Changed, std::size_t Margin);

// The first character at or after From, and at least Floor characters into the term, that cannot be
// part of an operand; operators after it have their whole operands, and what stands next to them, in the
// unchanged end of the term. Npos when nothing of the end is known to be unchanged.
std::size_t UnchangedOperatorsAfter(const WorkingTerm& Term, const Unchanged& Since, std::size_t Floor);
// The same after one changed span: Npos when it reaches the end of the term.
std::size_t UnchangedOperatorsAfter(const WorkingTerm& Term, const ChangedSpans::Span& Changed,
                                    std::size_t Floor);

// Unwatches on leaving a scope.
template <typename Record> class Watching {
public:
    Watching(WorkingTerm& Term, Record& Watched) : Term(Term), Watched(Watched) { Term.Watch(Watched); }
    ~Watching() { Term.Unwatch(Watched); }
    Watching(const Watching&) = delete;
    Watching& operator=(const Watching&) = delete;

private:
    WorkingTerm& Term;
    Record& Watched;
};

} // namespace MODULCalc
