#include "cli/LineFilter.h"

#include "cli/Answer.h"
#include "cli/Failure.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/types.h>

namespace cli {

namespace {

// What getline(3) reads into; it grows the buffer itself.
struct LineBuffer {
    LineBuffer() = default;
    LineBuffer(const LineBuffer&) = delete;
    LineBuffer& operator=(const LineBuffer&) = delete;
    ~LineBuffer() { std::free(data); }
    char* data = nullptr;
    std::size_t capacity = 0;
};

} // namespace

int filterLines(std::FILE* in, std::ostream& out, bool basicOnly) {
    LineBuffer buffer;
    // Answers are short; gathering them costs less than a formatted write each.
    constexpr std::size_t Gathered = 1 << 16;
    std::string answers;
    std::string line;
    for (;;) {
        errno = 0;
        const ssize_t length = getline(&buffer.data, &buffer.capacity, in);
        if (length < 0)
            break;
        line.assign(buffer.data, static_cast<std::size_t>(length));
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        answers += answer(line, basicOnly);
        answers += '\n';
        if (answers.size() >= Gathered) {
            errno = 0;
            out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
            answers.clear();
            if (!out.good())
                return finishAnswers(out);
        }
    }
    // End of input leaves errno alone; a failed read or a line the memory cannot hold sets it.
    const int readError = std::feof(in) != 0 ? 0 : (errno != 0 ? errno : EIO);
    errno = 0;
    out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
    const int status = finishAnswers(out);
    if (readError != 0)
        return reportFailure("standard input", readError);
    return status;
}

} // namespace cli
