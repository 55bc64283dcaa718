#include "app/frmInfo.h"

#include <utility>

namespace app {

namespace {

ui::Font labelFont(double size, bool italic) {
    return {"MS Sans Serif", size, true, italic, false};
}

} // namespace

frmInfo::frmInfo(ui::Window& mainWindow, std::function<void()> unload)
    : lLabel{{{"lLabel", &form, "Scrivlet ][", 0},
              {"lLabel", &form, "Your notes, your numbers, your days.", 1},
              {"lLabel", &form, "Copyright (C) 2026 The Scrivlet developers", 2},
              {"lLabel", &form, "Pre-release: for testing only", 3},
              {"lLabel", &form, "built 2002.11.19", 4}}},
      mainWindow_(mainWindow), unload_(std::move(unload)) {
    lLabel[0].setFont(labelFont(24, true));
    lLabel[1].setFont(labelFont(13.5, true));
    lLabel[2].setFont(labelFont(8.25, true));
    lLabel[3].setFont(labelFont(8.25, false));
    lLabel[4].setFont(labelFont(8.25, false));

    form.Click.connect([this] { Form_Click(); });
    for (ui::Label& label : lLabel)
        label.Click.connect([this, &label] { lLabel_Click(label.Index()); });
    // The box has no close button, but the system's close command still reaches it; it must give the
    // main window back exactly as a click does, or the user would be locked out.
    form.Unload.connect([this] { Form_Click(); });
}

void frmInfo::Form_Click() {
    mainWindow_.setEnabled(true);
    unload_();
}

void frmInfo::lLabel_Click(int) {
    Form_Click();
}

} // namespace app
