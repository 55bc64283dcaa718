#include "notes/NotesPane.h"

#include <utility>

namespace notes {

NotesPane::NotesPane(NotesControls controls) : controls_(std::move(controls)) {}

void NotesPane::InitialiseStore() {
    store_.InitialiseFolders();
    view_.SelFolder = 1;
}

} // namespace notes
