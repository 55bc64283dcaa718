#pragma once

#include "app/DayEntries.h"
#include "app/MainControls.h"
#include "notes/Table.h"

#include <cstdint>
#include <string>

namespace app {

// What the scheduler knows of the calendar: today as the clock gave it last, and the month on show.
struct SchedulerDates {
    // The clock's date text, MM-DD-YYYY, as read last.
    std::string TodayDateText;
    int32_t TodayDayNumber = 0;
    // The first day of the month the month view shows; 0 until start-up asks for the first view.
    int32_t MonthStart = 0;
};

// The scheduler's date list and its editor: the month view of 40 days from MonthStart, the view of all
// days with an entry, and the moves of text between the editor and the day entries.
class DateList {
public:
    DateList(MainControls& controls, const SchedulerDates& dates);
    DateList(const DateList&) = delete;
    DateList& operator=(const DateList&) = delete;

    void FillDateList(bool ShowAll);
    void OpenDayEntry(int32_t Day);
    void StoreDayEntry();

    DayEntries& entries() { return entries_; }
    const DayEntries& entries() const { return entries_; }

    static constexpr int MonthRows = 40;

private:
    void fillMonthView();
    void fillAllEntriesView();
    ui::ListItem* row(int position) const;
    void dBackWinDateList_ItemClick();

    ui::ListView& dBackWinDateList;
    ui::TextBox& dDateWinText;
    ui::TextBox& dDateWinDisplay;
    ui::Label& dDateMenuDisplay;
    const SchedulerDates& dates_;
    DayEntries entries_;

    // The label of each row, the row's text without the entry text; index 0 is row 1.
    notes::Table<std::string> RowLabel;
    // The 1-based row whose day is open in the editor; 0 for none.
    int16_t SelRow = 0;
    // What the editor holds: k >= 1 entry k - 1, -d day d without an entry yet, 0 nothing (edits are
    // then not stored).
    int32_t CurEntry = 0;
};

} // namespace app
