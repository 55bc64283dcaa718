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
class TerminalSession {
public:
    explicit TerminalSession(const char* Option) {
        Child = forkpty(&Master, nullptr, nullptr, nullptr);
        if (Child == 0) {
            // A known terminal type, so the arrow keys are read the same on any machine.
            setenv("TERM", "xterm", 1);
            execl(NUMBRA_PATH, NUMBRA_PATH, Option, nullptr);
            _exit(127);
        }
    }

    ~TerminalSession() {
        if (Child > 0 && !Ended) {
            kill(Child, SIGKILL);
            waitpid(Child, nullptr, 0);
        }
        if (Master >= 0) {
            close(Master);
        }
    }

    // Reads what numbra writes until `Done` holds; false when ten seconds pass first.
    template <typename Condition> bool Until(Condition Done) {
        const auto Deadline = std::chrono::steady_clock::now() + 10s;
        while (!Done()) {
            if (std::chrono::steady_clock::now() > Deadline) {
                return false;
            }
            ReadSome();
        }
        return true;
    }

    // Reads until `Wanted` has appeared after everything read before.
    bool WaitFor(const std::string& Wanted) {
        if (!Until([&] { return Screen.find(Wanted, Seen) != std::string::npos; })) {
            return false;
        }
        Seen = Screen.find(Wanted, Seen) + Wanted.size();
        return true;
    }

    // The prompt is on the screen and the line editor reads key by key. The prompt alone is not enough:
    // keys typed while the terminal still collects whole lines would be taken by the terminal itself.
    bool WaitForPrompt() {
        termios Mode{};
        return WaitFor("> ") &&
               Until([&] { return tcgetattr(Master, &Mode) == 0 && (Mode.c_lflag & ICANON) == 0; });
    }

    void Type(const std::string& Keys) {
        ASSERT_EQ(write(Master, Keys.data(), Keys.size()), ssize_t(Keys.size()));
    }

    // Ends input with Ctrl+D on an empty line and returns the exit status, -1 when numbra does not end.
    // Ctrl+D goes only to the prompt: typed earlier, the terminal would take it as its own end of line.
    int Finish() {
        int Status = 0;
        if (!WaitForPrompt()) {
            return -1;
        }
        Type("\x04");
        Ended = Until([&] { return waitpid(Child, &Status, WNOHANG) == Child; });
        return Ended && WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    }

    std::string Screen;

private:
    // Once numbra has ended the read fails at once; the caller's deadline still bounds the loop.
    void ReadSome() {
        pollfd Wait{Master, POLLIN, 0};
        char Buffer[512];
        if (poll(&Wait, 1, 200) > 0) {
            const ssize_t Count = read(Master, Buffer, sizeof Buffer);
            Screen.append(Buffer, std::size_t(std::max<ssize_t>(Count, 0)));
        }
    }

    int Master = -1;
    pid_t Child = -1;
    bool Ended = false;
    std::size_t Seen = 0;
};

// Each step: the keys typed after the prompt, then Enter, and the answer on the line that follows. With a
// UTF-8 locale a Term keeps every character typed; the options reach the terminal's answers.
TEST(NumbraTerminal, EditsRecallsAndAnswersEachTermOnTheNextLine) {
    setenv("LC_ALL", "C.UTF-8", 1);
    TerminalSession Session("--basic");
    unsetenv("LC_ALL");
    const std::string Left = "\x1b[D";
    const std::string Up = "\x1b[A";
    const std::vector<std::pair<std::string, std::string>> Steps{
        {"1+2", "3"},
        {Up, "3"},                  // the Term before, unchanged
        {"2*5" + Left + "1", "30"}, // a digit put in before the last one: 2*15
        {Up + Up + "0", "21"},      // two back, changed at its end: 1+20
        {"1\u20ac2", "(1\u20ac2)"},
        {"commands", "Please choose: basic advanced"},
    };
    for (const auto& [Keys, Answer] : Steps) {
        SCOPED_TRACE(Keys);
        ASSERT_TRUE(Session.WaitForPrompt()) << Session.Screen;
        Session.Type(Keys + "\r");
        ASSERT_TRUE(Session.WaitFor("\n" + Answer + "\r\n")) << Session.Screen;
    }
    EXPECT_EQ(Session.Finish(), 0) << Session.Screen;
}

} // namespace
