#pragma once

#include <ostream>

namespace cli {

// A read or a write that failed ends numbra as it ends the standard tools: a message on standard error
// naming what failed and why (errno `error`), and a non-zero exit status, which this returns.
int reportFailure(const char* what, int error);

// Flushes the answers; when they could not all be written (a full disk, a closed pipe) reports it.
// Returns the exit status.
int finishAnswers(std::ostream& out);

} // namespace cli
