#include "app/frmMain.h"

#include "app/KeyboardRule.h"
#include "app/MainMenu.h"

#include <initializer_list>

namespace app {

namespace {

notes::NotesControls notesControlsOf(MainControls& c) {
    MainMenu& m = c.menu;
    return {.lTre = c.lTre,
            .lItem = c.lItem,
            .lText = c.lText,
            .menus = {.mFolder = m.mFolder,
                      .mFolderAdd = m.mFolderAdd,
                      .mFolderRename = m.mFolderRename,
                      .mFolderTrashLine = m.mFolderTrashLine,
                      .mFolderTrashEmpty = m.mFolderTrashEmpty,
                      .mFolderDelete = m.mFolderDelete,
                      .mItem = m.mItem,
                      .mItemAdd = m.mItemAdd,
                      .mItemRename = m.mItemRename,
                      .mItemCopy = m.mItemCopy,
                      .mItemDelete = m.mItemDelete}};
}

} // namespace

frmMain::frmMain(ui::Platform& platform) : platform_(platform), notes_(notesControlsOf(controls_), platform) {
    connectHandlers();
}

void frmMain::connectHandlers() {
    MainMenu& menu = controls_.menu;
    menu.mNumbraShow.Click.connect([this] { ShowCalculatorPanel(-1); });
    menu.mDateShow.Click.connect([this] { ShowSchedulerPanel(-1); });
    for (ui::MenuEntry* entry : menu.mFileMenu)
        entry->Click.connect([this, entry] { mFileMenu_Click(static_cast<int16_t>(entry->Index())); });

    const std::initializer_list<ui::Label*> calculatorTabs = {
        &controls_.cCalcMenuBack, &controls_.cCalcMenuButton, &controls_.cCalcMenuResult};
    for (ui::Label* tab : calculatorTabs)
        tab->Click.connect([this] { ShowCalculatorPanel(-1); });
    const std::initializer_list<ui::Label*> schedulerTabs = {
        &controls_.dDateMenuBack, &controls_.dDateMenuButton, &controls_.dDateMenuDisplay};
    for (ui::Label* tab : schedulerTabs)
        tab->Click.connect([this] { ShowSchedulerPanel(-1); });

    controls_.frmMain.Unload.connect([this] { Form_Unload(); });
    controls_.frmMain.setKeyboardRule(
        [this](const ui::Control& holder) { return nextKeyboardHolder(controls_, about_, holder); });
}

void frmMain::Form_Load() {
    setUpSchedulerDate();
    showStartupScreen();
    notes_.initialiseStore();
    showStartupScreenAgain();
    fillCalculatorPanel();
    controls_.menu.mFolderTrashLine.setVisible(false);
    controls_.menu.mFolderTrashEmpty.setVisible(false);
    notes_.tree().BuildFolderTree("");
    dDateWinButton_Click();
    unloadStartupScreen();
    controls_.frmMain.setVisible(true);
}

// The scheduler's date set-up: today's date text and day number, and its tab caption.
void frmMain::setUpSchedulerDate() {
    scheduler_.setUpDate();
}

void frmMain::showStartupScreen() {
    about_.showStartupScreen();
}

void frmMain::showStartupScreenAgain() {
    about_.showStartupScreenAgain();
}

void frmMain::fillCalculatorPanel() {
    calculator_.fillCalculatorPanel();
}

// The scheduler's "Today" action, which fills the date list for the current month.
void frmMain::dDateWinButton_Click() {
    scheduler_.dDateWinButton_Click();
}

void frmMain::unloadStartupScreen() {
    about_.unloadStartupScreen();
}

// Mode -1 toggles, 0 hides, 1 shows, anything else hides. Showing or toggling one panel hides the other
// first; hiding never reaches the other panel, so at most one panel is open.
bool frmMain::wantedPanelVisibility(int16_t mode, const ui::Control& panel,
                                    void (frmMain::*hideOther)(int16_t)) {
    const bool wanted = mode == -1 ? !panel.Visible() : mode == 1;
    if (mode == -1 || mode == 1)
        (this->*hideOther)(0);
    return wanted;
}

void frmMain::ShowCalculatorPanel(int16_t mode) {
    const bool wanted = wantedPanelVisibility(mode, controls_.cCalcWinBack, &frmMain::ShowSchedulerPanel);
    if (controls_.cCalcWinBack.Visible() == wanted)
        return;
    MainMenu& menu = controls_.menu;
    controls_.cCalcWinBack.setVisible(wanted);
    menu.mNumbraShow.setChecked(wanted);
    menu.mNumbra1.setVisible(wanted);
    for (ui::MenuEntry* entry : menu.mNumbra)
        entry->setVisible(wanted);
    // A panel is opened to be used: a Term can be typed at once, without reaching for the mouse.
    if (wanted)
        controls_.cCalcWinInput.SetFocus();
}

void frmMain::ShowSchedulerPanel(int16_t mode) {
    const bool wanted = wantedPanelVisibility(mode, controls_.dDateWinBack, &frmMain::ShowCalculatorPanel);
    if (controls_.dDateWinBack.Visible() == wanted)
        return;
    controls_.dDateWinBack.setVisible(wanted);
    controls_.menu.mDateShow.setChecked(wanted);
    // The days can be walked with the arrow keys as soon as the panel opens.
    if (wanted)
        controls_.dBackWinDateList.SetFocus();
}

void frmMain::Form_Unload() {
    platform_.endProgram();
}

// "&New", "&Reload" and "&Discard && quit" share this handler: nothing is kept, so each ends the program.
void frmMain::mFileMenu_Click(int16_t) {
    platform_.endProgram();
}

} // namespace app
