#include "app/AboutBox.h"

#include "app/MainMenu.h"

#include <utility>

namespace app {

AboutBox::AboutBox(MainControls& controls, ui::Platform& platform)
    : controls_(controls), platform_(platform) {
    controls_.Menu.mOptionsAbout.Click.connect([this] { mOptionsAbout_Click(); });
}

frmInfo& AboutBox::Load() {
    if (!form_) {
        form_ = std::make_unique<frmInfo>(controls_.frmMain, [this] { Unload(); });
        controls_.InfoLoaded(*form_);
    }
    return *form_;
}

void AboutBox::Unload() {
    if (!form_)
        return;
    form_->Form.markUnloaded();
    retired_ = std::move(form_);
}

void AboutBox::mOptionsAbout_Click() {
    Load().Form.setVisible(true);
    controls_.frmMain.setEnabled(false);
}

// Disabled, so that a click on it during start-up is ignored; the event pass lets it be drawn before the
// rest of the start-up runs.
void AboutBox::ShowStartupScreen() {
    frmInfo& form = Load();
    form.Form.setVisible(true);
    form.Form.setEnabled(false);
    platform_.processEvents();
}

void AboutBox::ShowStartupScreenAgain() {
    Load().Form.setVisible(true);
}

void AboutBox::UnloadStartupScreen() {
    Unload();
}

} // namespace app
