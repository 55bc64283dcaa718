#include "calc/MODULCalc.h"
#include "cli/Answer.h"
#include "cli/LineFilter.h"
#include "cli/Options.h"
#include "cli/Terminal.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const numbra::Options Parsed = numbra::ParseOptions(argc, argv);
    switch (Parsed.What) {
    case numbra::Options::Action::Help:
        std::cout << numbra::Usage;
        return 0;
    case numbra::Options::Action::Version:
        std::cout << MODULCalc::VersionBanner << '\n';
        return 0;
    case numbra::Options::Action::Evaluate:
        break;
    }
    if (Parsed.EndOfOptionsOnly) {
        return 0;
    }
    if (Parsed.Terms.empty()) {
        return isatty(STDIN_FILENO) != 0 ? numbra::RunTerminal(Parsed.BasicOnly)
                                         : numbra::FilterLines(std::cin, std::cout, Parsed.BasicOnly);
    }
    for (const std::string& Term : Parsed.Terms) {
        std::cout << numbra::Answer(Term, Parsed.BasicOnly) << '\n';
    }
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}
