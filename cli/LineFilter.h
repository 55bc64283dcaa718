#pragma once

#include <cstdio>
#include <ostream>

namespace cli {

// Reads one Term per line and writes one answer line for each, nothing else: the mode for pipes and
// files. A carriage return before the line feed is dropped. Reading stops at the end of input, or at
// a read error (a directory, a line too long for memory), which is reported; writing stops as soon as
// the answers can no longer be written, so a closed pipe ends numbra even where SIGPIPE is ignored.
// Returns the exit status.
int filterLines(std::FILE* in, std::ostream& out, bool basicOnly);

} // namespace cli
