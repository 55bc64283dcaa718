#pragma once

#include <istream>
#include <ostream>

namespace numbra {

// Reads one Term per line and writes one answer line for each, nothing else: the mode for pipes and
// files. A carriage return before the line feed is dropped. Returns the exit status.
int FilterLines(std::istream& In, std::ostream& Out, bool BasicOnly);

} // namespace numbra
