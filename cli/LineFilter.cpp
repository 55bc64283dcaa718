#include "cli/LineFilter.h"

#include "cli/Answer.h"

#include <string>

namespace numbra {

int FilterLines(std::istream& In, std::ostream& Out, bool BasicOnly) {
    // Reading would otherwise flush the output before every line, one write per result.
    In.tie(nullptr);
    // Answers are short; gathering them costs less than a formatted write each.
    constexpr std::size_t Gathered = 1 << 16;
    std::string Answers;
    std::string Line;
    while (std::getline(In, Line)) {
        if (!Line.empty() && Line.back() == '\r') {
            Line.pop_back();
        }
        Answers += Answer(Line, BasicOnly);
        Answers += '\n';
        if (Answers.size() >= Gathered) {
            Out.write(Answers.data(), static_cast<std::streamsize>(Answers.size()));
            Answers.clear();
        }
    }
    Out.write(Answers.data(), static_cast<std::streamsize>(Answers.size()));
    Out.flush();
    return Out.good() ? 0 : 1;
}

} // namespace numbra
