#include "calc/MODULCalc.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// Input layout: one byte of flags, then the Term, then up to 32 slot texts, separated by newlines. Slots
// may call slots, themselves included: the engine's work bound ends every such evaluation, so none runs
// long enough for the per-input time limit to matter.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::array<std::string, 32> slots{};
    std::string term;
    std::size_t start = 0;
    for (std::size_t part = 0; part <= slots.size() && start <= input.size(); ++part) {
        auto end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        (part == 0 ? term : slots[part - 1]) = input.substr(start, end - start);
        start = end + 1;
    }
    const auto hideConsole = static_cast<std::int16_t>(flags & 1 ? -1 : 0);
    const auto basicOnly = static_cast<std::int16_t>(flags & 2 ? -1 : 0);
    // Slot counts 0 to 32 plus a few beyond the slot array, which must give an index error.
    const auto slotCount = static_cast<std::int16_t>((flags >> 2) % 40);
    const std::string answer = MODULCalc::Calculate(term, hideConsole, basicOnly, slots, slotCount, flags);
    // "Error (51)" is the engine's answer to a failure inside itself that no rule foresaw: a finding.
    if (answer == "Error (51)")
        std::abort();
    return 0;
}
