#include "cli/LineFilter.h"

#include "cli/Answer.h"

#include <string>

namespace numbra {

int FilterLines(std::istream& In, std::ostream& Out, bool BasicOnly) {
    // Reading would otherwise flush the output before every line, one write per result.
    In.tie(nullptr);
    std::string Line;
    while (std::getline(In, Line)) {
        if (!Line.empty() && Line.back() == '\r') {
            Line.pop_back();
        }
        Out << Answer(Line, BasicOnly) << '\n';
    }
    Out.flush();
    return Out.good() ? 0 : 1;
}

} // namespace numbra
