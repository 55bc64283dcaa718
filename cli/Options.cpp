#include "cli/Options.h"

namespace numbra {

const std::string_view Usage = R"(Usage: numbra [--basic] [--] [TERM...]
       numbra --help | --version

Evaluates each TERM and prints one result line per TERM, exactly as the Scrivlet
calculator panel shows it. Without a TERM, reads Terms from standard input, one
per line, and prints one result line for each. On a terminal the input line can
be edited, and the arrow keys bring back earlier Terms. Type "help" or "commands"
as a Term for the calculator's own help.

Options:
  --basic     answer as the calculator does with only its basic and advanced
              groups: relational and logical operators and their help are off
  --help      show this text and exit
  --version   show the calculator's version and exit
  --          end of options: every argument after it is a TERM, even one
              that begins with --
)";

Options ParseOptions(int argc, const char* const* argv) {
    Options Parsed;
    int Index = 1;
    for (; Index < argc; ++Index) {
        const std::string_view Argument = argv[Index];
        if (Argument == "--help") {
            Parsed.What = Options::Action::Help;
        } else if (Argument == "--version") {
            // --help wins, whatever the order: asking for help never does anything else.
            if (Parsed.What != Options::Action::Help) {
                Parsed.What = Options::Action::Version;
            }
        } else if (Argument == "--basic") {
            Parsed.BasicOnly = true;
        } else if (Argument == "--") {
            ++Index;
            Parsed.EndOfOptionsOnly = Index == argc;
            break;
        } else {
            break;
        }
    }
    for (; Index < argc; ++Index) {
        Parsed.Terms.emplace_back(argv[Index]);
    }
    return Parsed;
}

} // namespace numbra
