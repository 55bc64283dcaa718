#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// What the command line asks for. Only the words below are options; any other argument is a Term, so
// that "-5*3" or "--5" need no quoting beyond the shell's.
struct Options {
    enum class Action { Evaluate, Help, Version };
    Action what = Action::Evaluate;
    // --basic: the answers the calculator gives with its professional group switched off.
    bool basicOnly = false;
    // Empty: read Terms from standard input.
    std::vector<std::string> terms;
};

Options parseOptions(int argc, const char* const* argv);

extern const std::string_view Usage;

} // namespace cli
