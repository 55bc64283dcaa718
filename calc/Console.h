#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace MODULCalc {

// The answer to a console command or help topic, or nothing when the trimmed Term is none of them.
std::optional<std::string> consoleAnswer(std::string_view trimmedTerm, bool hideConsole, bool basicOnly,
                                         int slotCount);

} // namespace MODULCalc
