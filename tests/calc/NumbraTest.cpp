#include "tests/calc/CalcRows.h"

#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// numbra's exit status and standard output, run with `Arguments` and reading `Input`.
std::pair<int, std::string> runNumbra(const std::string& arguments, const std::string& input) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("numbra-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto inputFile = folder / "in.txt";
    const auto outputFile = folder / "out.txt";
    std::ofstream(inputFile, std::ios::binary) << input;
    const std::string Command = std::string("'") + NUMBRA_PATH + "' " + arguments + " < '" +
                                inputFile.string() + "' > '" + outputFile.string() + "'";
    const int status = std::system(Command.c_str());
    std::stringstream output;
    output << std::ifstream(outputFile, std::ios::binary).rdbuf();
    std::filesystem::remove_all(folder);
    return {status, output.str()};
}

TEST(Numbra, LineModePrintsWhatThePanelShows) {
    std::string input;
    std::string expected;
    for (const auto* rows : AllRows) {
        for (const auto& row : *rows) {
            input.append(row.term).append("\n");
            expected.append(row.expected).append("\n");
        }
    }
    // A carriage return before the line feed, and a last line without a line feed.
    input += "1+1\r\n2*3";
    expected += "2\n6\n";
    EXPECT_EQ(runNumbra("", input), std::pair(0, expected));
}

TEST(Numbra, ArgumentsAndOptions) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"'1+2' '-5*3' 'help -'", "3\n-15\nSubstraction.\n"},
        {"--version", "Numbra 2.01.03\n"},
        {"-- --help", "(+hElP)\n"},
        {"''", "Numbra 2.01.03\n"},
        {"--basic commands professional", "Please choose: basic advanced\nNumbra 2.01.03\n"},
        {"--basic", "49\n"},
        {"--", ""},
    };
    for (const auto& [arguments, expected] : rows) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(runNumbra(arguments, "7*7\n"), std::pair(0, expected));
    }
    // Help wins over every other option, and names each of them.
    const auto [status, help] = runNumbra("--version --help", "");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(help.rfind("Usage: numbra", 0), 0u) << help;
    for (const char* option : {"--basic ", "--help ", "--version ", "-- "}) {
        EXPECT_NE(help.find(std::string("\n  ") + option), std::string::npos) << option;
    }
    // Every example the help gives answers as it says.
    std::istringstream lines(help);
    std::size_t examples = 0;
    for (std::string line; std::getline(lines, line);) {
        const auto prints = line.find(" prints ");
        if (line.rfind("  numbra '", 0) == 0 && prints != std::string::npos) {
            const std::string term = line.substr(9, line.find_last_of('\'', prints) - 8);
            SCOPED_TRACE(term);
            EXPECT_EQ(runNumbra(term, "").second,
                      line.substr(line.find_first_not_of(' ', prints + 8)) + "\n");
            ++examples;
        }
    }
    EXPECT_EQ(examples, 3u);
}

} // namespace
