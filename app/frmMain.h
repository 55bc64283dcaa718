#pragma once

#include "app/AboutBox.h"
#include "app/CalculatorPanel.h"
#include "app/MainControls.h"
#include "app/SchedulerPanel.h"
#include "notes/NotesPane.h"
#include "ui/Platform.h"

#include <cstdint>

namespace app {

// The main window: it owns every control and all state for the life of the process, runs the start-up
// sequence, switches the side panels and ends the program. The notes half is the NotesPane part.
class frmMain {
public:
    explicit frmMain(ui::Platform& platform);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Loads the window: runs the start-up sequence, then shows the window.
    void Form_Load();

    MainControls& controls() { return controls_; }
    notes::NotesPane& notes() { return notes_; }
    CalculatorPanel& calculator() { return calculator_; }
    AboutBox& about() { return about_; }
    SchedulerPanel& scheduler() { return scheduler_; }

private:
    void connectHandlers();

    void setUpSchedulerDate();
    void showStartupScreen();
    void showStartupScreenAgain();
    void fillCalculatorPanel();
    void dDateWinButton_Click();
    void unloadStartupScreen();

    bool wantedPanelVisibility(int16_t mode, const ui::Control& panel, void (frmMain::*hideOther)(int16_t));
    void ShowCalculatorPanel(int16_t mode);
    void ShowSchedulerPanel(int16_t mode);
    void Form_Unload();
    void mFileMenu_Click(int16_t index);

    ui::Platform& platform_;
    MainControls controls_;
    notes::NotesPane notes_;
    CalculatorPanel calculator_{controls_, platform_};
    AboutBox about_{controls_, platform_};
    SchedulerPanel scheduler_{controls_, platform_};
};

} // namespace app
