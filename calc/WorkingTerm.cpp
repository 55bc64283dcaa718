#include "calc/WorkingTerm.h"

#include "calc/Evaluation.h"
#include "calc/TermText.h"

#include <algorithm>

namespace MODULCalc {
namespace {

bool IsTwoCharacterRelation(char First, char Second) {
    return (First == '>' && Second == '=') || (First == '=' && (Second == '>' || Second == '<')) ||
           (First == '<' && (Second == '=' || Second == '>'));
}

template <typename Record, std::size_t Capacity>
void Add(std::array<Record*, Capacity>& Records, std::size_t& Count, Record& Added) {
    if (Count == Capacity) {
        throw CalcFault{Fault::Internal};
    }
    Records[Count++] = &Added;
}

template <typename Record, std::size_t Capacity>
void Remove(std::array<Record*, Capacity>& Records, std::size_t& Count, Record& Removed) {
    const auto End = Records.begin() + static_cast<std::ptrdiff_t>(Count);
    const auto Found = std::find(Records.begin(), End, &Removed);
    if (Found != End) {
        *Found = Records[--Count];
    }
}

} // namespace

WorkingTerm::WorkingTerm(std::string Initial) : Text(std::move(Initial)) {
    CountIn(0, Text.Size(), 1);
}

WorkingTerm::Kind WorkingTerm::KindOf(char C) {
    switch (C) {
    case '^':
        return Power;
    case '*':
        return Times;
    case '/':
        return Divide;
    case '#':
        return Remainder;
    case '+':
        return Plus;
    case ')':
        return Close;
    case '=':
    case '<':
    case '>':
    case '|':
        return Relational;
    case 'd':
    case 'o':
    case 'v':
        return KeywordLetter;
    default:
        return Other;
    }
}

void WorkingTerm::Replace(std::size_t Pos, std::size_t Count, std::string_view With) {
    const std::size_t OldSize = Text.Size();
    for (std::size_t Index = 0; Index < ExtentCount; ++Index) {
        Extents[Index]->Note(Pos, Count, OldSize);
    }
    for (std::size_t Index = 0; Index < MarkCount; ++Index) {
        Marks[Index]->Note(Pos, Count, With.size());
    }
    for (std::size_t Index = 0; Index < ChangedCount; ++Index) {
        Changed[Index]->Note(Pos, Count, With.size());
    }
    Slotted.Note(Pos, Count, With.size());
    // Pairs that start one character before the replaced text up to its last character change with it.
    const std::size_t First = Pos > 0 ? Pos - 1 : 0;
    if (PairsCounted) {
        PairCount -= PairsIn(First, Pos + Count);
    }
    CountIn(Pos, Count, -1);
    Text.Replace(Pos, Count, With);
    CountIn(Pos, With.size(), 1);
    if (PairsCounted) {
        PairCount += PairsIn(First, Pos + With.size());
    }
    if (Counts[Relational] == 0) {
        PairsCounted = false;
        PairCount = 0;
    }
}

void WorkingTerm::CountIn(std::size_t Pos, std::size_t Count, int Sign) {
    static const auto Kinds = [] {
        std::array<Kind, 256> Table{};
        for (std::size_t Byte = 0; Byte < Table.size(); ++Byte) {
            Table[Byte] = KindOf(static_cast<char>(Byte));
        }
        return Table;
    }();
    const auto [First, Second] = Text.Pieces(Pos, Count);
    for (const auto Piece : {First, Second}) {
        for (const char C : Piece) {
            auto& Counted = Counts[Kinds[static_cast<unsigned char>(C)]];
            Counted = Sign > 0 ? Counted + 1 : Counted - 1;
        }
    }
}

std::size_t WorkingTerm::PairsIn(std::size_t First, std::size_t Last) const {
    std::size_t Pairs = 0;
    for (std::size_t Pos = First; Pos <= Last && Pos + 1 < Text.Size(); ++Pos) {
        const auto At = static_cast<std::ptrdiff_t>(Pos);
        Pairs += IsTwoCharacterRelation(Text.At(At), Text.At(At + 1)) ? 1 : 0;
    }
    return Pairs;
}

std::size_t WorkingTerm::TwoCharacterRelations() {
    if (!PairsCounted && Counts[Relational] > 0) {
        PairCount = PairsIn(0, Text.Size());
        PairsCounted = true;
    }
    return PairCount;
}

void ChangedSpans::Note(std::size_t Pos, std::size_t Count, std::size_t Inserted) {
    if (Everything) {
        return;
    }
    const std::size_t End = Pos + Count;
    Span Joined{Pos, Pos + Inserted};
    std::array<Span, Capacity + 1> Next{};
    std::size_t Kept = 0;
    bool Placed = false;
    for (std::size_t Index = 0; Index < Used; ++Index) {
        const Span Each = Spans[Index];
        if (Each.Last < Pos) {
            Next[Kept++] = Each;
        } else if (Each.First > End) {
            if (!Placed) {
                Next[Kept++] = Joined;
                Placed = true;
            }
            Next[Kept++] = {Each.First - Count + Inserted, Each.Last - Count + Inserted};
        } else {
            // Touching or overlapping the replaced text: one span with it.
            Joined.First = std::min(Joined.First, Each.First);
            Joined.Last = std::max(Joined.Last, Each.Last > End ? Each.Last - Count + Inserted : Joined.Last);
        }
    }
    if (!Placed) {
        Next[Kept++] = Joined;
    }
    if (Kept > Capacity) {
        std::size_t Closest = 0;
        for (std::size_t Index = 1; Index + 1 < Kept; ++Index) {
            if (Next[Index + 1].First - Next[Index].Last < Next[Closest + 1].First - Next[Closest].Last) {
                Closest = Index;
            }
        }
        Next[Closest].Last = Next[Closest + 1].Last;
        std::copy(Next.begin() + static_cast<std::ptrdiff_t>(Closest) + 2,
                  Next.begin() + static_cast<std::ptrdiff_t>(Kept),
                  Next.begin() + static_cast<std::ptrdiff_t>(Closest) + 1);
        --Kept;
    }
    std::copy(Next.begin(), Next.begin() + static_cast<std::ptrdiff_t>(Kept), Spans.begin());
    Used = Kept;
}

std::size_t LookAgainFrom(const WorkingTerm& Term, const Unchanged& Since, std::size_t Margin) {
    return LookAgainFrom(Term, ChangedSpans::Span{Since.Prefix, Since.Prefix}, Margin);
}

std::size_t LookAgainFrom(const WorkingTerm& Term, const ChangedSpans::Span& Changed, std::size_t Margin) {
    const std::size_t First = Changed.First;
    std::size_t Pos = First;
    while (Pos > 0 && IsNumberChar(Term.At(static_cast<std::ptrdiff_t>(Pos) - 1))) {
        --Pos;
    }
    // Pos is now just after the character that ends the run; that character may be an operator itself.
    Pos = Pos > 0 ? Pos - 1 : 0;
    const std::size_t Margined = First > Margin ? First - Margin : 0;
    return std::min(Pos, Margined);
}

std::size_t UnchangedOperatorsAfter(const WorkingTerm& Term, const Unchanged& Since, std::size_t Floor) {
    const std::size_t End = Since.SuffixStart(Term.Size());
    return UnchangedOperatorsAfter(Term, ChangedSpans::Span{End, End}, Floor);
}

std::size_t UnchangedOperatorsAfter(const WorkingTerm& Term, const ChangedSpans::Span& Changed,
                                    std::size_t Floor) {
    if (Changed.Last >= Term.Size()) {
        return std::string::npos;
    }
    std::size_t Pos = std::max(Changed.Last, Floor);
    while (Pos < Term.Size() && IsNumberChar(Term.At(static_cast<std::ptrdiff_t>(Pos)))) {
        ++Pos;
    }
    return Pos < Term.Size() ? Pos : std::string::npos;
}

void WorkingTerm::Watch(Unchanged& Extent) {
    Add(Extents, ExtentCount, Extent);
}

void WorkingTerm::Watch(Mark& Position) {
    Add(Marks, MarkCount, Position);
}

void WorkingTerm::Watch(ChangedSpans& Changes) {
    Add(Changed, ChangedCount, Changes);
}

void WorkingTerm::Unwatch(ChangedSpans& Changes) {
    Remove(Changed, ChangedCount, Changes);
}

void WorkingTerm::Unwatch(Unchanged& Extent) {
    Remove(Extents, ExtentCount, Extent);
}

void WorkingTerm::Unwatch(Mark& Position) {
    Remove(Marks, MarkCount, Position);
}

} // namespace MODULCalc
