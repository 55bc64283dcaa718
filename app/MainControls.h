#pragma once

#include "app/MainMenu.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/TextBox.h"
#include "ui/TreeView.h"
#include "ui/Window.h"

namespace app {

// Every control of the main window. The window owns them for its whole life; the parts of the window
// (notes pane, calculator panel, scheduler panel) work on them, and the skin mirrors them.
struct MainControls {
    MainControls();

    ui::Window frmMain{"frmMain", "Scrivlet"};
    MainMenu Menu{frmMain};

    ui::TreeView lTre{"lTre", &frmMain};
    ui::ListView lItem{"lItem", &frmMain};
    ui::TextBox lText{"lText", &frmMain};

    // The calculator panel, and its tab strip that stays at the window's edge.
    ui::PictureBox cCalcWinBack{"cCalcWinBack", &frmMain};
    ui::PictureBox cCalcMenuBack{"cCalcMenuBack", &frmMain};
    ui::CommandButton cCalcMenuButton{"cCalcMenuButton", &cCalcMenuBack, "..."};
    ui::Label cCalcMenuResult{"cCalcMenuResult", &cCalcMenuBack};

    // The scheduler panel and its tab strip.
    ui::PictureBox dDateWinBack{"dDateWinBack", &frmMain};
    ui::PictureBox dDateMenuBack{"dDateMenuBack", &frmMain};
    ui::CommandButton dDateMenuButton{"dDateMenuButton", &dDateMenuBack, "..."};
    ui::Label dDateMenuDisplay{"dDateMenuDisplay", &dDateMenuBack};
};

} // namespace app
