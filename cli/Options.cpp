#include "cli/Options.h"

namespace cli {

const std::string_view Usage = R"(Usage: numbra [--basic] [--] [TERM...]
       numbra --help | --version

Evaluates each TERM and prints one result line per TERM, exactly as the Scrivlet
calculator panel shows it. Without a TERM, reads Terms from standard input, one
per line, and prints one result line for each. On a terminal the input line can
be edited, and the arrow keys bring back earlier Terms. Type "help" or "commands"
as a Term for the calculator's own help.

Writing Terms:
  numbers     12  -3  .5  1,5 (a decimal comma works too)
              1.5E3  2.5e-3  1e+2 (E or e for the power of ten)
  pi          P or p ("pi" is not a name the calculator knows: write P)
  operators   + - * /   ^ power   # remainder of a whole-number division
              % per cent (divides by 100)   : divides as / does
              ( ) [ ] { } all group alike
  functions   log sqr sin cos tan atn int fix cnt abs sgn frc rnd var,
              each followed by its argument in parentheses: sqr(16)
              (angles in radians, log is the natural logarithm; var(n)
              reads variable slot n, which numbra always holds empty)
  relations   = < > <> | >= => <= =<  give 1 or 0
  logic       and or xor eqv not, on 1 and 0
The calculator rewrites the Term step by step, so some answers differ from
school arithmetic: 2+2=4 gives 2, because = takes the single numbers next to
it; write (2+2)=4. A Term it cannot reduce comes back in parentheses.

Examples:
  numbra 'sin(P/2)'       prints 1
  numbra '1.5E3*2'        prints 3000
  numbra '(2+2)=4'        prints 1

Options:
  --basic     answer as the calculator does with only its basic and advanced
              groups: relational and logical operators and their help are off
  --help      show this text and exit
  --version   show the calculator's version and exit
  --          end of options: every argument after it is a TERM, even one
              that begins with --; with none after it, Terms are read from
              standard input

Every TERM and every input line gives exactly one answer line: a line feed or
a carriage return inside a Term, which the calculator keeps as it keeps any
character, is written in its answer as \n or \r.
)";

Options parseOptions(int argc, const char* const* argv) {
    Options parsed;
    int index = 1;
    for (; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--help") {
            parsed.what = Options::Action::Help;
        } else if (argument == "--version") {
            // --help wins, whatever the order: asking for help never does anything else.
            if (parsed.what != Options::Action::Help)
                parsed.what = Options::Action::Version;
        } else if (argument == "--basic") {
            parsed.basicOnly = true;
        } else if (argument == "--") {
            ++index;
            break;
        } else {
            break;
        }
    }
    for (; index < argc; ++index)
        parsed.terms.emplace_back(argv[index]);
    return parsed;
}

} // namespace cli
