#include "calc/MODULCalc.h"

#include <array>
#include <cstdlib>
#include <cstddef>
#include <cstdint>
#include <string>

// Input layout: one byte of flags, then the Term, then up to 32 slot texts, separated by newlines.
// Slots matter because a slot that refers to itself is the one way a Term keeps growing.
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
