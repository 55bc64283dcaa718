#pragma once

#include "app/frmMain.h"
#include "tests/support/ScriptedPlatform.h"

namespace tests {

// The main window after its start-up, driven by a test as a user would drive it.
struct StartedWindow {
    StartedWindow() { form.Form_Load(); }

    app::MainControls& controls() { return form.Controls(); }
    app::MainMenu& menu() { return form.Controls().Menu; }
    notes::NotesPane& notes() { return form.Notes(); }
    notes::NotesStore& store() { return form.Notes().Store(); }
    notes::NotesView view() { return form.Notes().View(); }

    ScriptedPlatform platform;
    app::frmMain form{platform};
};

} // namespace tests
