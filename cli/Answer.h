#pragma once

#include <string>

namespace cli {

// A Term evaluated the way the calculator panel evaluates its input line, with the variable slots empty.
std::string answer(const std::string& term, bool basicOnly);

} // namespace cli
