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
    explicit TerminalSession(const std::vector<std::string>& Arguments) {
        Child = forkpty(&Master, nullptr, nullptr, nullptr);
        if (Child == 0) {
            // A known terminal type, so the arrow keys are read the same on any machine.
            setenv("TERM", "xterm", 1);
            std::vector<char*> Argv{const_cast<char*>(NUMBRA_PATH)};
            for (const std::string& Argument : Arguments) {
                Argv.push_back(const_cast<char*>(Argument.c_str()));
            }
            Argv.push_back(nullptr);
            execv(NUMBRA_PATH, Argv.data());
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

    // Reads until `Wanted` has appeared after everything read before, or the time is up.
    bool WaitFor(const std::string& Wanted) {
        const auto Deadline = std::chrono::steady_clock::now() + 10s;
        while (Screen.find(Wanted, Seen) == std::string::npos) {
            if (std::chrono::steady_clock::now() > Deadline || !ReadSome()) {
                return false;
            }
        }
        Seen = Screen.find(Wanted, Seen) + Wanted.size();
        return true;
    }

    // The prompt is on the screen and the line editor reads key by key. The prompt alone is not enough:
    // keys typed while the terminal still collects whole lines would be taken by the terminal itself.
    bool WaitForPrompt() {
        if (!WaitFor("> ")) {
            return false;
        }
        const auto Deadline = std::chrono::steady_clock::now() + 10s;
        termios Mode{};
        while (tcgetattr(Master, &Mode) == 0 && (Mode.c_lflag & ICANON) != 0) {
            if (std::chrono::steady_clock::now() > Deadline) {
                return false;
            }
            ReadSome();
        }
        return true;
    }

    void Type(const std::string& Keys) {
        ASSERT_EQ(write(Master, Keys.data(), Keys.size()), ssize_t(Keys.size()));
    }

    // Ends input with Ctrl+D on an empty line and returns the exit status, -1 when numbra does not end.
    // Ctrl+D goes only to the prompt: typed earlier, the terminal would take it as its own end of line.
    int Finish() {
        if (!WaitForPrompt()) {
            return -1;
        }
        Type("\x04");
        const auto Deadline = std::chrono::steady_clock::now() + 10s;
        while (std::chrono::steady_clock::now() < Deadline) {
            ReadSome();
            int Status = 0;
            if (waitpid(Child, &Status, WNOHANG) == Child) {
                Ended = true;
                return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
            }
        }
        return -1;
    }

    std::string Screen;

private:
    bool ReadSome() {
        pollfd Wait{Master, POLLIN, 0};
        if (poll(&Wait, 1, 200) <= 0) {
            return true;
        }
        char Buffer[512];
        const ssize_t Count = read(Master, Buffer, sizeof Buffer);
        if (Count <= 0) {
            return false;
        }
        Screen.append(Buffer, std::size_t(Count));
        return true;
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
    TerminalSession Session({"--basic"});
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
