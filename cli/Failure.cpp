#include "cli/Failure.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace cli {

int reportFailure(const char* what, int error) {
    std::fprintf(stderr, "numbra: %s: %s\n", what, std::strerror(error));
    return 1;
}

int finishAnswers(std::ostream& out) {
    // A stream already failed keeps the errno of the write that failed.
    if (out.good()) {
        errno = 0;
        out.flush();
    }
    if (out.good())
        return 0;
    return reportFailure("write error", errno != 0 ? errno : EIO);
}

} // namespace cli
