#include "cli/LineFilter.h"

#include "cli/Answer.h"
#include "cli/Failure.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace cli {

int filterLines(std::FILE* in, std::ostream& out, bool basicOnly) {
    // Input is read in blocks and answers are written in blocks: most Terms and answers are short, and
    // a read or a formatted write for each costs more than answering it.
    constexpr std::size_t Block = 1 << 16;
    std::vector<char> block(Block);
    std::string answers;
    std::string line;
    int readError = 0;
    const auto answerLine = [&] {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        answers += answer(line, basicOnly);
        answers += '\n';
        line.clear();
        if (answers.size() < Block)
            return true;
        errno = 0;
        out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
        answers.clear();
        return out.good();
    };
    for (bool reading = true; reading;) {
        errno = 0;
        const std::size_t got = std::fread(block.data(), 1, block.size(), in);
        if (got < block.size()) {
            // End of input leaves errno alone; a failed read sets it.
            readError = std::ferror(in) == 0 ? 0 : (errno != 0 ? errno : EIO);
            reading = false;
        }
        const char* next = block.data();
        const char* const end = next + got;
        while (next != end) {
            const auto* newline =
                static_cast<const char*>(std::memchr(next, '\n', static_cast<std::size_t>(end - next)));
            try {
                line.append(next, newline == nullptr ? end : newline);
            } catch (const std::bad_alloc&) {
                readError = ENOMEM;
                reading = false;
                break;
            }
            if (newline == nullptr)
                break;
            next = newline + 1;
            if (!answerLine())
                return finishAnswers(out);
        }
    }
    // The last line needs no line feed; it is a line when it holds anything.
    if (readError == 0 && !line.empty() && !answerLine())
        return finishAnswers(out);
    errno = 0;
    out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
    const int status = finishAnswers(out);
    if (readError != 0)
        return reportFailure("standard input", readError);
    return status;
}

} // namespace cli
