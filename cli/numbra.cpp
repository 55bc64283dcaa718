#include "calc/MODULCalc.h"

#include <array>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// Evaluated the way the calculator panel evaluates its input line, with the variable slots empty.
std::string Evaluate(const std::string& Term) {
    static const std::array<std::string, 32> Slots{};
    return MODULCalc::Calculate(Term, 0, 0, Slots, 32);
}

constexpr std::string_view Usage = R"(Usage: numbra [TERM...]
       numbra --help | --version

Evaluates each TERM and prints one result line per TERM, exactly as the Scrivlet
calculator panel shows it. Without a TERM, reads Terms from standard input, one
per line, and prints one result line for each. Type "help" or "commands" as a
Term for the calculator's own help. Use -- before a TERM that begins with --.
)";

int ReadLines() {
    const bool Interactive = isatty(STDIN_FILENO) != 0;
    if (!Interactive) {
        // Reading would otherwise flush the output before every line, one write per result.
        std::cin.tie(nullptr);
    }
    std::string Line;
    for (;;) {
        if (Interactive) {
            // The prompt goes to standard error so that standard output holds nothing but results.
            std::cerr << "> " << std::flush;
        }
        if (!std::getline(std::cin, Line)) {
            break;
        }
        if (!Line.empty() && Line.back() == '\r') {
            Line.pop_back();
        }
        std::cout << Evaluate(Line) << '\n';
        if (Interactive) {
            std::cout << std::flush;
        }
    }
    if (Interactive) {
        std::cerr << '\n';
    }
    return std::cout.good() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    int First = 1;
    if (argc > 1) {
        const std::string_view Option = argv[1];
        if (Option == "--help") {
            std::cout << Usage;
            return 0;
        }
        if (Option == "--version") {
            std::cout << MODULCalc::VersionBanner << '\n';
            return 0;
        }
        if (Option == "--") {
            First = 2;
        }
    }
    if (argc <= First) {
        return First == 1 ? ReadLines() : 0;
    }
    for (int Index = First; Index < argc; ++Index) {
        std::cout << Evaluate(argv[Index]) << '\n';
    }
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}
