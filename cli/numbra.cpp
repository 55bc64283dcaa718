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

int Run(const numbra::Options& Parsed) {
    switch (Parsed.What) {
    case numbra::Options::Action::Help:
        std::cout << numbra::Usage;
        return numbra::FinishAnswers(std::cout);
    case numbra::Options::Action::Version:
        std::cout << MODULCalc::VersionBanner << '\n';
        return numbra::FinishAnswers(std::cout);
    case numbra::Options::Action::Evaluate:
        break;
    }
    if (Parsed.EndOfOptionsOnly) {
        return 0;
    }
    if (Parsed.Terms.empty()) {
        return isatty(STDIN_FILENO) != 0 ? numbra::RunTerminal(Parsed.BasicOnly)
                                         : numbra::FilterLines(stdin, std::cout, Parsed.BasicOnly);
    }
    for (const std::string& Term : Parsed.Terms) {
        const std::string Result = numbra::Answer(Term, Parsed.BasicOnly);
        errno = 0;
        std::cout << Result << '\n';
        if (!std::cout.good()) {
            break;
        }
    }
    return numbra::FinishAnswers(std::cout);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        return Run(numbra::ParseOptions(argc, argv));
    } catch (const std::bad_alloc&) {
        // A Term too long for the memory left: its answer cannot be given, and saying nothing would
        // look like success.
        return numbra::ReportFailure("out of memory", ENOMEM);
    }
}
