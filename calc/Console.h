#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace MODULCalc {

// The answer to a console command or help topic, or nothing when the trimmed Term is none of them.
std::optional<std::string> ConsoleAnswer(std::string_view TrimmedTerm, std::int16_t HideConsole,
                                         std::int16_t BasicOnly, std::int16_t SlotCount);

} // namespace MODULCalc
