#include "bench/StartTables.h"

namespace bench {

std::string proseOf(std::size_t size) {
    std::string line(63, 'x');
    line += '\n';
    std::string prose;
    prose.reserve(size + line.size());
    while (prose.size() < size)
        prose += line;
    return prose;
}

void addWorkFolder(app::frmMain& form, int count) {
    form.notes().tree().appendFolder("Scrivlet", "Work");
    for (int j = 0; j < count; ++j)
        form.notes().store().appendItem("Item " + std::to_string(j), "Scrivlet\\Work", "text");
}

} // namespace bench
