#pragma once

#include <string>

namespace cli {

// A Term evaluated the way the calculator panel evaluates its input line, with the variable slots empty,
// as one line: a line feed or carriage return the answer keeps from its Term is written as \n or \r.
std::string answer(const std::string& term, bool basicOnly);

} // namespace cli
