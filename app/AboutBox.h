#pragma once

#include "app/MainControls.h"
#include "app/frmInfo.h"
#include "ui/Platform.h"

#include <memory>

namespace app {

// The about box as the main window uses it: opened by "About" over a disabled main window, and shown as
// the disabled start-up screen while the window loads. Every opening loads a fresh form.
class AboutBox {
public:
    AboutBox(MainControls& controls, ui::Platform& platform);

    void mOptionsAbout_Click();

    // The start-up screen's three steps of the start-up sequence.
    void showStartupScreen();
    void showStartupScreenAgain();
    void unloadStartupScreen();

    // The form while it is loaded, or nullptr.
    frmInfo* loaded() { return form_.get(); }

private:
    frmInfo& load();
    void unload();

    MainControls& controls_;
    ui::Platform& platform_;
    std::unique_ptr<frmInfo> form_;
    // An unloaded form lives on until the next one is unloaded: it is unloaded from inside its own click
    // handler, which must not be destroyed while it runs.
    std::unique_ptr<frmInfo> retired_;
};

} // namespace app
