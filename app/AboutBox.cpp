#include "app/AboutBox.h"

#include "app/MainMenu.h"

#include <utility>

namespace app {

AboutBox::AboutBox(MainControls& controls, ui::Platform& platform)
    : controls_(controls), platform_(platform) {
    controls_.menu.mOptionsAbout.Click.connect([this] { mOptionsAbout_Click(); });
}

frmInfo& AboutBox::load() {
    if (!form_) {
        form_ = std::make_unique<frmInfo>(controls_.frmMain, [this] { unload(); });
        controls_.InfoLoaded(*form_);
    }
    return *form_;
}

void AboutBox::unload() {
    if (!form_)
        return;
    form_->form.markUnloaded();
    retired_ = std::move(form_);
}

void AboutBox::mOptionsAbout_Click() {
    load().form.setVisible(true);
    controls_.frmMain.setEnabled(false);
}

// Disabled, so that a click on it during start-up is ignored; the event pass lets it be drawn before the
// rest of the start-up runs.
void AboutBox::showStartupScreen() {
    frmInfo& form = load();
    form.form.setVisible(true);
    form.form.setEnabled(false);
    platform_.processEvents();
}

void AboutBox::showStartupScreenAgain() {
    load().form.setVisible(true);
}

void AboutBox::unloadStartupScreen() {
    unload();
}

} // namespace app
