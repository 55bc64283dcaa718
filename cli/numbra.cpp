#include "calc/MODULCalc.h"
#include "cli/Answer.h"
#include "cli/Failure.h"
#include "cli/LineFilter.h"
#include "cli/Options.h"
#include "cli/Terminal.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <new>
#include <unistd.h>

namespace {

int run(const cli::Options& parsed) {
    switch (parsed.what) {
    case cli::Options::Action::Help:
        std::cout << cli::Usage;
        return cli::finishAnswers(std::cout);
    case cli::Options::Action::Version:
        std::cout << MODULCalc::VersionBanner << '\n';
        return cli::finishAnswers(std::cout);
    case cli::Options::Action::Evaluate:
        break;
    }
    if (parsed.terms.empty()) {
        return isatty(STDIN_FILENO) != 0 ? cli::runTerminal(parsed.basicOnly)
                                         : cli::filterLines(stdin, std::cout, parsed.basicOnly);
    }
    for (const std::string& term : parsed.terms) {
        const std::string result = cli::answer(term, parsed.basicOnly);
        errno = 0;
        std::cout << result << '\n';
        if (!std::cout.good())
            break;
    }
    return cli::finishAnswers(std::cout);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        return run(cli::parseOptions(argc, argv));
    } catch (const std::bad_alloc&) {
        // A Term too long for the memory left: its answer cannot be given, and saying nothing would
        // look like success.
        return cli::reportFailure("out of memory", ENOMEM);
    }
}
