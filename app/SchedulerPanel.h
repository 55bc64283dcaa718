#pragma once

#include "app/DateList.h"
#include "app/MainControls.h"
#include "ui/Platform.h"

#include <string>

namespace app {

// The scheduler panel of the main window: today's date from the clock, the month navigation ("Today",
// "All" and the scroller), the timer that notices a new day, and the date list they fill.
//
// The view has no flag of its own: an empty month caption in dDateWinDisplay means the all-entries view.
class SchedulerPanel {
public:
    SchedulerPanel(MainControls& controls, ui::Platform& platform);
    SchedulerPanel(const SchedulerPanel&) = delete;
    SchedulerPanel& operator=(const SchedulerPanel&) = delete;

    // Start-up: today's date text and day number, and the tab caption.
    void setUpDate();
    void dDateWinButton_Click();

    const SchedulerDates& dates() const { return dates_; }
    DateList& list() { return list_; }

private:
    void dDateWinAll_Click();
    void dDateWinScroller_Change();
    void dDateWinTimer_Timer();

    std::string tabCaption() const;

    MainControls& controls_;
    ui::Platform& platform_;
    SchedulerDates dates_;
    DateList list_{controls_, dates_};
};

} // namespace app
