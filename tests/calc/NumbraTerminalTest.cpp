#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

// numbra on a pseudo-terminal, typed at as a person would: each line only once the prompt is there.
class terminalSession {
public:
    explicit terminalSession(const char* option) {
        child = forkpty(&master, nullptr, nullptr, nullptr);
        if (child == 0) {
            // A known terminal type, so the arrow keys are read the same on any machine.
            setenv("TERM", "xterm", 1);
            execl(NUMBRA_PATH, NUMBRA_PATH, option, nullptr);
            _exit(127);
        }
    }

    ~terminalSession() {
        if (child > 0 && !ended) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        if (master >= 0) {
            close(master);
        }
    }

    // Reads what numbra writes until `Done` holds; false when ten seconds pass first.
    template <typename condition> bool until(condition done) {
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            readSome();
        }
        return true;
    }

    // Reads until `Wanted` has appeared after everything read before.
    bool waitFor(const std::string& wanted) {
        if (!until([&] { return screen.find(wanted, seen) != std::string::npos; })) {
            return false;
        }
        seen = screen.find(wanted, seen) + wanted.size();
        return true;
    }

    // The prompt is on the screen and the line editor reads key by key. The prompt alone is not enough:
    // keys typed while the terminal still collects whole lines would be taken by the terminal itself.
    bool waitForPrompt() {
        termios mode{};
        return waitFor("> ") &&
               until([&] { return tcgetattr(master, &mode) == 0 && (mode.c_lflag & ICANON) == 0; });
    }

    void type(const std::string& keys) {
        ASSERT_EQ(write(master, keys.data(), keys.size()), ssize_t(keys.size()));
    }

    // Ends input with Ctrl+D on an empty line and returns the exit status, -1 when numbra does not end.
    // Ctrl+D goes only to the prompt: typed earlier, the terminal would take it as its own end of line.
    int finish() {
        int status = 0;
        if (!waitForPrompt()) {
            return -1;
        }
        type("\x04");
        ended = until([&] { return waitpid(child, &status, WNOHANG) == child; });
        return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string screen;

private:
    // Once numbra has ended the read fails at once; the caller's deadline still bounds the loop.
    void readSome() {
        pollfd wait{master, POLLIN, 0};
        char buffer[512];
        if (poll(&wait, 1, 200) > 0) {
            const ssize_t count = read(master, buffer, sizeof buffer);
            screen.append(buffer, std::size_t(std::max<ssize_t>(count, 0)));
        }
    }

    int master = -1;
    pid_t child = -1;
    bool ended = false;
    std::size_t seen = 0;
};

// Each step: the keys typed after the prompt, then Enter, and the answer on the line that follows. With a
// UTF-8 locale a Term keeps every character typed; the options reach the terminal's answers.
TEST(NumbraTerminal, EditsRecallsAndAnswersEachTermOnTheNextLine) {
    setenv("LC_ALL", "C.UTF-8", 1);
    terminalSession session("--basic");
    unsetenv("LC_ALL");
    const std::string left = "\x1b[D";
    const std::string up = "\x1b[A";
    const std::vector<std::pair<std::string, std::string>> steps{
        {"1+2", "3"},
        {up, "3"},                  // the Term before, unchanged
        {"2*5" + left + "1", "30"}, // a digit put in before the last one: 2*15
        {up + up + "0", "21"},      // two back, changed at its end: 1+20
        {"1\u20ac2", "(1\u20ac2)"},
        {"commands", "Please choose: basic advanced"},
    };
    for (const auto& [keys, answer] : steps) {
        SCOPED_TRACE(keys);
        ASSERT_TRUE(session.waitForPrompt()) << session.screen;
        session.type(keys + "\r");
        ASSERT_TRUE(session.waitFor("\n" + answer + "\r\n")) << session.screen;
    }
    EXPECT_EQ(session.finish(), 0) << session.screen;
}

} // namespace
