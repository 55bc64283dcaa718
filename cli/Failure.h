#pragma once

#include <ostream>

namespace numbra {

// A read or a write that failed ends numbra as it ends the standard tools: a message on standard error
// naming what failed and why (errno `Error`), and a non-zero exit status, which this returns.
int ReportFailure(const char* What, int Error);

// Flushes the answers; when they could not all be written (a full disk, a closed pipe) reports it.
// Returns the exit status.
int FinishAnswers(std::ostream& Out);

} // namespace numbra
