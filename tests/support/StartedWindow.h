#pragma once

#include "app/frmMain.h"
#include "tests/support/ScriptedPlatform.h"

namespace tests {

// The main window after its start-up, driven by a test as a user would drive it.
struct StartedWindow {
    StartedWindow() { form.Form_Load(); }

    app::MainControls& controls() { return form.controls(); }
    app::MainMenu& menu() { return form.controls().menu; }
    notes::NotesPane& notes() { return form.notes(); }
    notes::NotesStore& store() { return form.notes().store(); }
    notes::NotesView view() { return form.notes().view(); }

    ScriptedPlatform platform;
    app::frmMain form{platform};
};

} // namespace tests
