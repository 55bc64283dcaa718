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
std::pair<int, std::string> RunNumbra(const std::string& Arguments, const std::string& Input) {
    const auto Folder =
        std::filesystem::temp_directory_path() / ("numbra-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(Folder);
    const auto InputFile = Folder / "in.txt";
    const auto OutputFile = Folder / "out.txt";
    std::ofstream(InputFile, std::ios::binary) << Input;
    const std::string Command = std::string("'") + NUMBRA_PATH + "' " + Arguments + " < '" +
                                InputFile.string() + "' > '" + OutputFile.string() + "'";
    const int Status = std::system(Command.c_str());
    std::stringstream Output;
    Output << std::ifstream(OutputFile, std::ios::binary).rdbuf();
    std::filesystem::remove_all(Folder);
    return {Status, Output.str()};
}

TEST(Numbra, LineModePrintsWhatThePanelShows) {
    std::string Input;
    std::string Expected;
    for (const auto* Rows : AllRows) {
        for (const auto& Row : *Rows) {
            Input.append(Row.Term).append("\n");
            Expected.append(Row.Expected).append("\n");
        }
    }
    // A carriage return before the line feed, and a last line without a line feed.
    Input += "1+1\r\n2*3";
    Expected += "2\n6\n";
    EXPECT_EQ(RunNumbra("", Input), std::pair(0, Expected));
}

TEST(Numbra, ArgumentsAndOptions) {
    const std::vector<std::pair<std::string, std::string>> Rows{
        {"'1+2' '-5*3' 'help -'", "3\n-15\nSubstraction.\n"},
        {"--version", "Numbra 2.01.03\n"},
        {"-- --help", "(+hElP)\n"},
        {"''", "Numbra 2.01.03\n"},
        {"--basic commands professional", "Please choose: basic advanced\nNumbra 2.01.03\n"},
        {"--basic", "49\n"},
        {"--", ""},
    };
    for (const auto& [Arguments, Expected] : Rows) {
        SCOPED_TRACE(Arguments);
        EXPECT_EQ(RunNumbra(Arguments, "7*7\n"), std::pair(0, Expected));
    }
    // Help wins over every other option, and names each of them.
    const auto [Status, Help] = RunNumbra("--version --help", "");
    EXPECT_EQ(Status, 0);
    EXPECT_EQ(Help.rfind("Usage: numbra", 0), 0u) << Help;
    for (const char* Option : {"--basic ", "--help ", "--version ", "-- "}) {
        EXPECT_NE(Help.find(std::string("\n  ") + Option), std::string::npos) << Option;
    }
    // Every example the help gives answers as it says.
    std::istringstream Lines(Help);
    std::size_t Examples = 0;
    for (std::string Line; std::getline(Lines, Line);) {
        const auto Prints = Line.find(" prints ");
        if (Line.rfind("  numbra '", 0) == 0 && Prints != std::string::npos) {
            const std::string Term = Line.substr(9, Line.find_last_of('\'', Prints) - 8);
            SCOPED_TRACE(Term);
            EXPECT_EQ(RunNumbra(Term, "").second,
                      Line.substr(Line.find_first_not_of(' ', Prints + 8)) + "\n");
            ++Examples;
        }
    }
    EXPECT_EQ(Examples, 3u);
}

} // namespace
