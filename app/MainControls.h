#pragma once

#include "app/frmInfo.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/ScrollBar.h"
#include "ui/TextBox.h"
#include "ui/TextLine.h"
#include "ui/Timer.h"
#include "ui/TreeView.h"
#include "ui/Window.h"

#include <memory>

namespace app {

struct MainMenu;

// Every control of the main window. The window owns them for its whole life; the parts of the window
// (notes pane, calculator panel, scheduler panel) work on them, and the skin mirrors them.
struct MainControls {
    MainControls();
    ~MainControls();

    ui::Window frmMain{"frmMain", "Scrivlet"};

private:
    // Held apart, so that only what uses the menu bar includes app/MainMenu.h: a changed entry rebuilds
    // the menus' users, not every user of the window's controls.
    std::unique_ptr<MainMenu> menuBar_;

public:
    MainMenu& menu;

    ui::TreeView lTre{"lTre", &frmMain};
    ui::ListView lItem{"lItem", &frmMain};
    ui::TextBox lText{"lText", &frmMain};

    // The calculator panel, and its tab strip that stays at the window's edge.
    ui::PictureBox cCalcWinBack{"cCalcWinBack", &frmMain};
    ui::PictureBox cCalcMenuBack{"cCalcMenuBack", &frmMain};
    ui::CommandButton cCalcMenuButton{"cCalcMenuButton", &cCalcMenuBack, "..."};
    ui::Label cCalcMenuResult{"cCalcMenuResult", &cCalcMenuBack};
    ui::TextLine cCalcWinInput{"cCalcWinInput", &cCalcWinBack};
    ui::TextLine cCalcWinResult{"cCalcWinResult", &cCalcWinBack};
    ui::ListBox cCalcWinVarList{"cCalcWinVarList", &cCalcWinBack};
    ui::TextBox cCalcWinInfo{"cCalcWinInfo", &cCalcWinBack};

    // The scheduler panel and its tab strip.
    ui::PictureBox dDateWinBack{"dDateWinBack", &frmMain};
    // The month caption; empty in the all-entries view. Only the panel writes it: the skin shows it
    // read-only, since an emptied caption would switch the view.
    ui::TextBox dDateWinDisplay{"dDateWinDisplay", &dDateWinBack};
    ui::HScrollBar dDateWinScroller{"dDateWinScroller", &dDateWinBack, 0, 2, 1};
    ui::CommandButton dDateWinButton{"dDateWinButton", &dDateWinBack, "Today"};
    ui::CommandButton dDateWinAll{"dDateWinAll", &dDateWinBack, "All"};
    ui::ListView dBackWinDateList{"dBackWinDateList", &dDateWinBack};
    ui::TextBox dDateWinText{"dDateWinText", &dDateWinBack};
    ui::Timer dDateWinTimer{"dDateWinTimer", &dDateWinBack, 6000};
    // The panel's background, as large as the panel; it has no action.
    ui::CommandButton dDateWinBackButton{"dDateWinBackButton", &dDateWinBack};
    ui::PictureBox dDateMenuBack{"dDateMenuBack", &frmMain};
    ui::CommandButton dDateMenuButton{"dDateMenuButton", &dDateMenuBack, "..."};
    ui::Label dDateMenuDisplay{"dDateMenuDisplay", &dDateMenuBack};

    // Raised when a fresh about box has been loaded, so that the skin can build its window.
    ui::Signal<frmInfo&> InfoLoaded;
};

} // namespace app
