#include "tests/calc/CalcTestSupport.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

// What `script` gives, run by bash with NUMBRA standing for the built numbra and reading `input`: the exit
// status, which is numbra's, and what it wrote to standard output or, with `errors`, to standard error.
std::pair<int, std::string> runNumbra(const std::string& script, const std::string& input = {},
                                      bool errors = false) {
    const auto folder = std::filesystem::temp_directory_path() / ("numbra-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "input", std::ios::binary) << input;
    std::ofstream(folder / "run.sh") << "NUMBRA='" NUMBRA_PATH "'\n" << script << '\n';
    const std::string command = "cd '" + folder.string() + "' && bash run.sh < input > output 2> errors";
    const int status = std::system(command.c_str());
    std::stringstream written;
    written << std::ifstream(folder / (errors ? "errors" : "output"), std::ios::binary).rdbuf();
    std::filesystem::remove_all(folder);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, written.str()};
}

// Standard input holds a carriage return before a line feed, one more kept in its Term, and a last line
// without a line feed.
TEST(Numbra, ArgumentsAndOptions) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"'1+2' '-5*3' 'help -'", "3\n-15\nSubstraction.\n"},
        {"--version", "Numbra 2.01.03\n"},
        {"-- --help", "(+hElP)\n"},
        {"''", "Numbra 2.01.03\n"},
        {"--basic commands professional", "Please choose: basic advanced\nNumbra 2.01.03\n"},
        {"--basic", "49\n(1+1\\r)\n6\n"},
        {"--", "49\n(1+1\\r)\n6\n"},
        {"$'1+1\\n2+2'", "(1+1\\n2+2)\n"},
    };
    for (const auto& [arguments, expected] : rows) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(runNumbra("$NUMBRA " + arguments, "7*7\r\n1+1\r\r\n2*3"), std::pair(0, expected));
    }
    // Help wins over every other option.
    const auto [status, help] = runNumbra("$NUMBRA --version --help");
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(help.starts_with("Usage: numbra")) << help;
}

// Every failed read or write ends numbra with a message and status 1, and a closed pipe ends it even
// where SIGPIPE is ignored.
TEST(Numbra, ReadAndWriteErrorsAreReported) {
    std::vector<std::pair<std::string, std::string>> rows = {
        {"$NUMBRA < /", "numbra: standard input: Is a directory\n"},
        {"trap '' PIPE; yes 1+1 2>/dev/null | timeout 20 $NUMBRA | head -n 1 > /dev/null; exit "
         "${PIPESTATUS[1]}",
         "numbra: write error: Broken pipe\n"},
    };
    // Each way numbra answers: help, version, arguments and lines read.
    for (const char* full : {"$NUMBRA --help > /dev/full", "$NUMBRA --version > /dev/full",
                             "$NUMBRA 1+1 > /dev/full", "echo 1+1 | $NUMBRA > /dev/full"})
        rows.push_back({full, "numbra: write error: No space left on device\n"});
#if !defined(__SANITIZE_ADDRESS__)
    // One endless line under a memory limit, which the sanitizer's own reservations would not fit in.
    rows.push_back(
        {"ulimit -v 400000; $NUMBRA < /dev/zero", "numbra: standard input: Cannot allocate memory\n"});
#endif
    for (const auto& [script, message] : rows) {
        SCOPED_TRACE(script);
        EXPECT_EQ(runNumbra(script, {}, true), std::pair(1, message));
    }
}

// numbra on a pseudo-terminal, typed at as a person would: each line only once the prompt is there.
class TerminalSession {
public:
    explicit TerminalSession(const char* option) {
        child_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (child_ == 0) {
            // A known terminal type, so the arrow keys are read the same on any machine.
            setenv("TERM", "xterm", 1);
            execl(NUMBRA_PATH, NUMBRA_PATH, option, nullptr);
            _exit(127);
        }
    }
    ~TerminalSession() {
        if (child_ > 0 && !ended_) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        close(master_);
    }

    // Reads what numbra writes until `done` holds; false when ten seconds pass first. Once numbra has
    // ended a read fails at once, and the deadline still bounds the loop.
    template <typename Condition> bool until(Condition done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        for (char buffer[512]; !done();) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            pollfd wait{master_, POLLIN, 0};
            if (poll(&wait, 1, 200) > 0)
                screen.append(buffer, static_cast<std::size_t>(
                                          std::max<ssize_t>(read(master_, buffer, sizeof buffer), 0)));
        }
        return true;
    }

    // Reads until `wanted` has appeared after everything read before.
    bool waitFor(const std::string& wanted) {
        const bool found = until([&] { return screen.find(wanted, seen_) != std::string::npos; });
        seen_ = found ? screen.find(wanted, seen_) + wanted.size() : seen_;
        return found;
    }

    // The prompt is on the screen and the line editor reads key by key. The prompt alone is not enough:
    // keys typed while the terminal still collects whole lines would be taken by the terminal itself.
    bool waitForPrompt() {
        termios mode{};
        return waitFor("> ") &&
               until([&] { return tcgetattr(master_, &mode) == 0 && (mode.c_lflag & ICANON) == 0; });
    }

    bool type(const std::string& keys) {
        return write(master_, keys.data(), keys.size()) == ssize_t(keys.size());
    }

    // Ends input with Ctrl+D on an empty line and returns the exit status, -1 when numbra does not end.
    // Ctrl+D goes only to the prompt: typed earlier, the terminal would take it as its own end of line.
    int finish() {
        int status = 0;
        if (!waitForPrompt() || !type("\x04"))
            return -1;
        ended_ = until([&] { return waitpid(child_, &status, WNOHANG) == child_; });
        return ended_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string screen;

private:
    int master_ = -1;
    pid_t child_ = -1;
    bool ended_ = false;
    std::size_t seen_ = 0;
};

// Each step: the keys typed after the prompt, then Enter, and the answer on the line that follows. With a
// UTF-8 locale a Term keeps every character typed; the options reach the terminal's answers. Ctrl+C
// abandons the line, and a line holding a byte the locale cannot decode is refused, both with a fresh
// prompt after them.
TEST(NumbraTerminal, EditsRecallsAndAnswersEachTermOnTheNextLine) {
    setenv("LC_ALL", "C.UTF-8", 1);
    TerminalSession session("--basic");
    unsetenv("LC_ALL");
    const std::string left = "\x1b[D";
    const std::string up = "\x1b[A";
    const auto line = [](const std::string& answer) { return "\n" + answer + "\r\n"; };
    const std::vector<std::pair<std::string, std::string>> steps{
        {"1+2\r", line("3")},
        {up + "\r", line("3")},             // the Term before, unchanged
        {"2*5" + left + "1\r", line("30")}, // a digit put in before the last one: 2*15
        {up + up + "0\r", line("21")},      // two back, changed at its end: 1+20
        {"1\u20ac2\r", line("(1\u20ac2)")},
        {"12\x03", "^C\r\n"},
        {"1\xff\r", "numbra: the line held bytes"},
        {"commands\r", line("Please choose: basic advanced")},
    };
    for (const auto& [keys, answer] : steps) {
        SCOPED_TRACE(keys);
        ASSERT_TRUE(session.waitForPrompt()) << session.screen;
        ASSERT_TRUE(session.type(keys));
        ASSERT_TRUE(session.waitFor(answer)) << session.screen;
    }
    EXPECT_EQ(session.finish(), 0) << session.screen;
}

} // namespace
