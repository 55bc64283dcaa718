#include "cli/Terminal.h"

#include "cli/Answer.h"
#include "cli/Failure.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include <editline/readline.h>

namespace cli {

namespace {

struct FreeLine {
    void operator()(char* line) const { std::free(line); }
};

} // namespace

int runTerminal(bool basicOnly) {
    // The line editor reads the user's characters by the locale's encoding; without it every byte of a
    // character such as the euro sign is dropped. Only the character type is taken from the locale: the
    // answers keep the same decimal point whatever the user's locale.
    std::setlocale(LC_CTYPE, "");
    // The prompt and the editing go to standard error, so that standard output holds nothing but answers
    // even when it is redirected.
    rl_outstream = stderr;
    // Lets an ~/.editrc keep settings for numbra apart from other programs.
    rl_readline_name = "numbra";
    using_history();
    std::string previous;
    for (;;) {
        const std::unique_ptr<char, FreeLine> raw(readline("> "));
        if (!raw)
            break;
        const std::string line = raw.get();
        // Blank lines and a Term repeated at once would only make the arrow keys slower to use.
        if (line.find_first_not_of(" \t") != std::string::npos && line != previous) {
            add_history(line.c_str());
            previous = line;
        }
        const std::string result = answer(line, basicOnly);
        errno = 0;
        std::cout << result << '\n';
        if (finishAnswers(std::cout) != 0)
            return 1;
    }
    std::cerr << '\n';
    return 0;
}

} // namespace cli
