#include "cli/Terminal.h"

#include "cli/Answer.h"
#include "cli/Failure.h"

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>

#include <editline/readline.h>

namespace cli {

namespace {

struct FreeLine {
    void operator()(char* line) const { std::free(line); }
};

volatile std::sig_atomic_t interrupted = 0;

// The line being typed held bytes the locale cannot decode.
bool undecodable = false;

void onInterrupt(int) {
    interrupted = 1;
}

// Hands the line editor one character at a time, decoded by the locale. The editor would drop a byte it
// cannot decode without a trace; decoding here notices it, so that the line is refused rather than
// evaluated without it. Ctrl+C ends the line being typed as the end of input does; the caller tells the
// two apart.
int readCharacter(std::FILE* in) {
    std::mbstate_t state{};
    for (;;) {
        char byte = 0;
        const ssize_t got = read(fileno(in), &byte, 1);
        if (got < 0 && errno == EINTR && interrupted == 0)
            continue;
        if (got <= 0)
            return EOF;
        wchar_t wide = 0;
        const std::size_t length = std::mbrtowc(&wide, &byte, 1, &state);
        if (length == static_cast<std::size_t>(-2))
            continue;
        if (length == static_cast<std::size_t>(-1)) {
            undecodable = true;
            state = {};
            continue;
        }
        return static_cast<int>(wide);
    }
}

} // namespace

int runTerminal(bool basicOnly) {
    // The character type comes from the locale, so that the line editor shows and moves over a character
    // such as the euro sign as one. Only the character type: the answers keep the same decimal point
    // whatever the user's locale.
    std::setlocale(LC_CTYPE, "");
    // The prompt and the editing go to standard error, so that standard output holds nothing but answers
    // even when it is redirected.
    rl_outstream = stderr;
    // Lets an ~/.editrc keep settings for numbra apart from other programs.
    rl_readline_name = "numbra";
    rl_getc_function = readCharacter;
    // Ctrl+C abandons the line being typed, as in a shell, instead of ending numbra.
    rl_catch_signals = 0;
    struct sigaction interrupt {};
    interrupt.sa_handler = onInterrupt;
    sigemptyset(&interrupt.sa_mask);
    sigaction(SIGINT, &interrupt, nullptr);
    using_history();
    std::string previous;
    for (;;) {
        interrupted = 0;
        undecodable = false;
        const std::unique_ptr<char, FreeLine> raw(readline("> "));
        if (interrupted != 0) {
            std::cerr << "^C\n";
            continue;
        }
        if (!raw)
            break;
        const std::string line = raw.get();
        if (undecodable) {
            std::cerr << "numbra: the line held bytes that the terminal's character set (LC_CTYPE) cannot "
                         "read; it was not evaluated\n";
            continue;
        }
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
