#include "cli/Terminal.h"

#include "cli/Answer.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include <editline/readline.h>

namespace numbra {

namespace {

struct FreeLine {
    void operator()(char* Line) const { std::free(Line); }
};

} // namespace

int RunTerminal(bool BasicOnly) {
    // The prompt and the editing go to standard error, so that standard output holds nothing but answers
    // even when it is redirected.
    rl_outstream = stderr;
    // Lets an ~/.editrc keep settings for numbra apart from other programs.
    rl_readline_name = "numbra";
    using_history();
    std::string Previous;
    for (;;) {
        const std::unique_ptr<char, FreeLine> Raw(readline("> "));
        if (!Raw) {
            break;
        }
        const std::string Line = Raw.get();
        // Blank lines and a Term repeated at once would only make the arrow keys slower to use.
        if (Line.find_first_not_of(" \t") != std::string::npos && Line != Previous) {
            add_history(Line.c_str());
            Previous = Line;
        }
        std::cout << Answer(Line, BasicOnly) << '\n' << std::flush;
    }
    std::cerr << '\n';
    return std::cout.good() ? 0 : 1;
}

} // namespace numbra
