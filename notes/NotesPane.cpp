#include "notes/NotesPane.h"

#include <utility>

namespace notes {

NotesPane::NotesPane(NotesControls controls, ui::Platform& platform)
    : controls_(std::move(controls)), platform_(platform) {}

void NotesPane::initialiseStore() {
    store_.initialiseFolders();
}

} // namespace notes
