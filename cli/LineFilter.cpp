#include "cli/LineFilter.h"

#include "cli/Answer.h"
#include "cli/Failure.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/types.h>

namespace numbra {

namespace {

// What getline(3) reads into; it grows the buffer itself.
struct LineBuffer {
    LineBuffer() = default;
    LineBuffer(const LineBuffer&) = delete;
    LineBuffer& operator=(const LineBuffer&) = delete;
    ~LineBuffer() { std::free(Data); }
    char* Data = nullptr;
    std::size_t Capacity = 0;
};

} // namespace

int FilterLines(std::FILE* In, std::ostream& Out, bool BasicOnly) {
    LineBuffer Buffer;
    // Answers are short; gathering them costs less than a formatted write each.
    constexpr std::size_t Gathered = 1 << 16;
    std::string Answers;
    std::string Line;
    for (;;) {
        errno = 0;
        const ssize_t Length = getline(&Buffer.Data, &Buffer.Capacity, In);
        if (Length < 0) {
            break;
        }
        Line.assign(Buffer.Data, static_cast<std::size_t>(Length));
        if (!Line.empty() && Line.back() == '\n') {
            Line.pop_back();
        }
        if (!Line.empty() && Line.back() == '\r') {
            Line.pop_back();
        }
        Answers += Answer(Line, BasicOnly);
        Answers += '\n';
        if (Answers.size() >= Gathered) {
            errno = 0;
            Out.write(Answers.data(), static_cast<std::streamsize>(Answers.size()));
            Answers.clear();
            if (!Out.good()) {
                return FinishAnswers(Out);
            }
        }
    }
    // End of input leaves errno alone; a failed read or a line the memory cannot hold sets it.
    const int ReadError = std::feof(In) != 0 ? 0 : (errno != 0 ? errno : EIO);
    errno = 0;
    Out.write(Answers.data(), static_cast<std::streamsize>(Answers.size()));
    const int Status = FinishAnswers(Out);
    if (ReadError != 0) {
        return ReportFailure("standard input", ReadError);
    }
    return Status;
}

} // namespace numbra
