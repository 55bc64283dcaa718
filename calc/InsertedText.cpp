#include "calc/InsertedText.h"

#include <algorithm>

namespace MODULCalc {

std::size_t InsertedText::ChainOf(std::size_t First, std::size_t Last) const {
    std::size_t Chain = 0;
    for (const auto& Each : Insertions) {
        if (Each.First <= First && Last <= Each.Last) {
            Chain = std::max(Chain, Each.Chain);
        }
    }
    return Chain + 1;
}

void InsertedText::Add(std::size_t First, std::size_t Count, std::size_t Chain) {
    if (Count == 0) {
        return;
    }
    if (Insertions.size() == Followed) {
        Insertions.erase(Insertions.begin());
    }
    Insertions.push_back({First, First + Count, Chain});
}

void InsertedText::Note(std::size_t Pos, std::size_t Count, std::size_t Inserted) {
    const std::size_t End = Pos + Count;
    for (auto& Each : Insertions) {
        if (End <= Each.First) {
            Each.First = Each.First - Count + Inserted;
            Each.Last = Each.Last - Count + Inserted;
        } else if (Pos >= Each.Last) {
            continue;
        } else if (Pos >= Each.First && End <= Each.Last) {
            // Made of inserted characters only, so the new ones are inserted text too.
            Each.Last = Each.Last - Count + Inserted;
        } else if (Pos < Each.First) {
            // Mixed with text from before it: what remains starts after the new characters.
            Each.First = Pos + Inserted;
            Each.Last = End >= Each.Last ? Each.First : Each.Last - Count + Inserted;
        } else {
            Each.Last = Pos;
        }
    }
    std::erase_if(Insertions, [](const Insertion& Each) { return Each.First >= Each.Last; });
}

} // namespace MODULCalc
