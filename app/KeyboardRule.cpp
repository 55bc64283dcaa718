#include "app/KeyboardRule.h"

namespace app {

namespace {

bool within(const ui::Control& control, const ui::Control& container) {
    for (const ui::Control* c = &control; c != nullptr; c = c->Container())
        if (c == &container)
            return true;
    return false;
}

} // namespace

ui::Control* nextKeyboardHolder(MainControls& controls, AboutBox& about, const ui::Control& holder) {
    if (!controls.frmMain.Enabled()) {
        frmInfo* box = about.loaded();
        return box != nullptr ? &box->form : nullptr;
    }
    if (within(holder, controls.dDateWinBack) && controls.dDateWinBack.Visible()) {
        if (controls.dBackWinDateList.ListItems.Count() > 0)
            return &controls.dBackWinDateList;
        return &controls.dDateWinButton;
    }
    if (controls.lText.acceptsInput())
        return &controls.lText;
    if (controls.lItem.ListItems.Count() > 0)
        return &controls.lItem;
    return &controls.lTre;
}

} // namespace app
