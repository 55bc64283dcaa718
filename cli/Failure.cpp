#include "cli/Failure.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace numbra {

int ReportFailure(const char* What, int Error) {
    std::fprintf(stderr, "numbra: %s: %s\n", What, std::strerror(Error));
    return 1;
}

int FinishAnswers(std::ostream& Out) {
    // A stream already failed keeps the errno of the write that failed.
    if (Out.good()) {
        errno = 0;
        Out.flush();
    }
    if (Out.good()) {
        return 0;
    }
    return ReportFailure("write error", errno != 0 ? errno : EIO);
}

} // namespace numbra
