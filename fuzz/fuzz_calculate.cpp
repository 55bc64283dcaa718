#include "calc/MODULCalc.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstddef>
#include <cstdint>
#include <string>

// Input layout: one byte of flags, then the Term, then up to 32 slot texts, separated by newlines.
// The Term may call var, but the slot texts never do: a slot that calls itself is the one way a Term keeps
// growing, and one whose text merges with what surrounds it is stopped only by the length bound, which can
// take seconds. That slowness is known (the unit tests hold slots that call themselves); here it would
// only hide the faults this target looks for.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size == 0) {
        return 0;
    }
    const std::uint8_t Flags = Data[0];
    const std::string Input(reinterpret_cast<const char*>(Data) + 1, Size - 1);
    std::array<std::string, 32> Slots{};
    std::string Term;
    std::size_t Start = 0;
    for (std::size_t Part = 0; Part <= Slots.size() && Start <= Input.size(); ++Part) {
        auto End = Input.find('\n', Start);
        if (End == std::string::npos) {
            End = Input.size();
        }
        (Part == 0 ? Term : Slots[Part - 1]) = Input.substr(Start, End - Start);
        if (Part > 0) {
            std::replace(Slots[Part - 1].begin(), Slots[Part - 1].end(), 'v', 'w');
        }
        Start = End + 1;
    }
    const auto HideConsole = static_cast<std::int16_t>(Flags & 1 ? -1 : 0);
    const auto BasicOnly = static_cast<std::int16_t>(Flags & 2 ? -1 : 0);
    // Slot counts 0 to 32 plus a few beyond the slot array, which must give an index error.
    const auto SlotCount = static_cast<std::int16_t>((Flags >> 2) % 40);
    // "Error (51)" is the engine's answer to a failure inside itself that no rule foresaw: a finding.
    if (MODULCalc::Calculate(Term, HideConsole, BasicOnly, Slots, SlotCount, Flags) == "Error (51)") {
        std::abort();
    }
    return 0;
}
