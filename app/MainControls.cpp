#include "app/MainControls.h"

#include "app/MainMenu.h"

namespace app {

MainControls::MainControls() : menuBar_(std::make_unique<MainMenu>(frmMain)), menu(*menuBar_) {
    // Design state: both panels closed, the text box waiting for an item, and the item list allowing
    // several selected entries (copy, cut and delete act on all of them). The list keeps the store's
    // order rather than sorting by name, so that a new or renamed item shows at the end, where the user
    // just acted; the commands work in either order.
    cCalcWinBack.setVisible(false);
    dDateWinBack.setVisible(false);
    lItem.setMultiSelect(true);
    lText.setEnabled(false);
    // A command chosen while a name is typed (by menu, pop-up, shortcut or access key) completes the name
    // first, a refused one getting its old name back, so that the command finds the tree and the lists as
    // the user last saw them and drops nothing typed. Connected before any part of the window connects its
    // handlers, so this runs ahead of every command.
    for (ui::MenuEntry* entry : menu.bar.allEntries()) {
        entry->Click.connect([this] {
            lTre.completeLabelEdit();
            lItem.completeLabelEdit();
            dBackWinDateList.completeLabelEdit();
        });
    }
}

MainControls::~MainControls() = default;

} // namespace app
