#include "app/SchedulerPanel.h"

#include "dates/MODULDaywise.h"

namespace app {

namespace {

// Characters `start` (1-based) to `start + length - 1` of `text`, as far as it has them: a clock that
// hands over a short text gives a wrong date, not a crash.
std::string mid(const std::string& text, std::size_t start, std::size_t length) {
    if (start > text.size())
        return {};
    return text.substr(start - 1, length);
}

// The clock gives MM-DD-YYYY whatever the locale; the date module reads YYYY-MM-DD.
std::string dateTextOf(const std::string& systemDate) {
    return mid(systemDate, 7, 4) + "-" + mid(systemDate, 1, 2) + "-" + mid(systemDate, 4, 2);
}

std::string firstOfMonth(const std::string& dateText) {
    return mid(dateText, 1, 8) + "01";
}

} // namespace

SchedulerPanel::SchedulerPanel(MainControls& controls, ui::Platform& platform)
    : controls_(controls), platform_(platform) {
    // No day is open until the first fill of the list, so there is nothing to type into yet.
    controls_.dDateWinText.setEnabled(false);
    controls_.dDateWinButton.Click.connect([this] { dDateWinButton_Click(); });
    controls_.dDateWinAll.Click.connect([this] { dDateWinAll_Click(); });
    controls_.dDateWinScroller.Change.connect([this] { dDateWinScroller_Change(); });
    controls_.dDateWinTimer.Elapsed.connect([this] { dDateWinTimer_Timer(); });
}

void SchedulerPanel::setUpDate() {
    dates_.TodayDateText = platform_.systemDateText();
    dates_.TodayDayNumber = MODULDaywise::DateToDay(dateTextOf(dates_.TodayDateText));
    controls_.dDateMenuDisplay.setCaption(tabCaption());
}

// The day with its leading zero, the month's name and the year: 20 November 2002.
std::string SchedulerPanel::tabCaption() const {
    const std::string& today = dates_.TodayDateText;
    return mid(today, 4, 2) + " " +
           MODULDaywise::MonthNameOf(MODULDaywise::DayToDate(dates_.TodayDayNumber)) + " " + mid(today, 7, 4);
}

// When the current month is already shown nothing is rebuilt, so the day the user has open stays open.
void SchedulerPanel::dDateWinButton_Click() {
    const int32_t first = MODULDaywise::DateToDay(firstOfMonth(dateTextOf(platform_.systemDateText())));
    if (controls_.dDateWinDisplay.Text().empty() || first != dates_.MonthStart) {
        dates_.MonthStart = first;
        list_.FillDateList(false);
    }
}

void SchedulerPanel::dDateWinAll_Click() {
    if (!controls_.dDateWinDisplay.Text().empty()) {
        controls_.dDateWinDisplay.setText("");
        list_.FillDateList(true);
    } else {
        list_.FillDateList(false);
    }
}

// Value 0 is the month before, 2 the month after, 1 the rest position. Putting the scroller back to 1
// raises this handler once more, which builds the month just reached a second time and changes nothing.
void SchedulerPanel::dDateWinScroller_Change() {
    ui::HScrollBar& scroller = controls_.dDateWinScroller;
    if (controls_.dDateWinDisplay.Text().empty()) {
        list_.FillDateList(false);
        scroller.setValue(1);
        return;
    }
    // 5 days before the first, the 16th, or 35 days after the first: always in the month wanted.
    const int32_t target = dates_.MonthStart - 5 + 20 * scroller.Value();
    const std::string targetText = MODULDaywise::DayToDate(target);
    // The first and the last month of the calendar are never shown by scrolling: their views would need
    // days before day 1 or after 9999-12-31. An empty text is a day beyond those ends, as seen from
    // a month that "Today" showed there. The scroller keeps its end position.
    const std::string month = targetText.substr(0, 7);
    if (targetText.empty() || month == "9999-12" || month == "0001-01")
        return;
    dates_.MonthStart = MODULDaywise::DateToDay(firstOfMonth(targetText));
    list_.FillDateList(false);
    scroller.setValue(1);
}

// Runs every 6 seconds, also while the panel is hidden. The month shown stays; a new today is marked
// when it is among its days, and an all-entries view goes back to the month view.
void SchedulerPanel::dDateWinTimer_Timer() {
    const std::string now = platform_.systemDateText();
    if (now == dates_.TodayDateText)
        return;
    dates_.TodayDateText = now;
    dates_.TodayDayNumber = MODULDaywise::DateToDay(dateTextOf(now));
    controls_.dDateMenuDisplay.setCaption(tabCaption());
    list_.FillDateList(false);
}

} // namespace app
