#include "app/DateList.h"

#include "dates/MODULDaywise.h"
#include "ui/ImageList.h"
#include "ui/NumberKey.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace app {

namespace {

constexpr uint32_t DarkBlue = ui::rgb(0, 0, 128);
constexpr uint32_t DarkGreen = ui::rgb(0, 128, 0);
constexpr uint32_t DarkCyan = ui::rgb(0, 128, 128);

// Only space characters count as padding; a text of tabs or line breaks is a note.
bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// A row of a day with an entry shows its label, ": " and the note. Built in one piece: the all-entries
// view builds tens of thousands of them at once.
std::string withEntry(const std::string& label, const std::string& entry) {
    std::string text;
    text.reserve(label.size() + 2 + entry.size());
    return text.append(label).append(": ").append(entry);
}

// The colours mark the weekend and today for the eye; the tooltip says the same in words, and a screen
// reader reads it with the row.
void colourWeekend(ui::ListItem& item, int32_t day) {
    const float weekday = MODULDaywise::DayOfWeek(day, true);
    if (weekday == 0.0F)
        item.setForeColor(DarkGreen);
    else if (weekday == 6.0F)
        item.setForeColor(DarkCyan);
    else
        return;
    item.setToolTipText("Weekend");
}

void colourToday(ui::ListItem& item) {
    item.setToolTipText(item.ToolTipText().empty() ? "Today" : "Today, weekend");
    item.setForeColor(DarkBlue);
}

} // namespace

DateList::DateList(MainControls& controls, const SchedulerDates& dates)
    : dBackWinDateList(controls.dBackWinDateList), dDateWinText(controls.dDateWinText),
      dDateWinDisplay(controls.dDateWinDisplay), dDateMenuDisplay(controls.dDateMenuDisplay), dates_(dates) {
    dBackWinDateList.ItemClick.connect([this](ui::ListItem&) { dBackWinDateList_ItemClick(); });
    // A row shows a date, not a name: typing over it would change the label and make no entry.
    dBackWinDateList.BeforeLabelEdit.connect([](int16_t& cancel) { cancel = 1; });
}

ui::ListItem* DateList::row(int position) const {
    if (position < 1 || position > dBackWinDateList.ListItems.Count())
        return nullptr;
    return &dBackWinDateList.ListItems(position);
}

void DateList::FillDateList(bool ShowAll) {
    StoreDayEntry();
    CurEntry = 0;
    dBackWinDateList.ListItems.Clear();
    RowLabel.releaseFrom(0);
    if (ShowAll)
        fillAllEntriesView();
    else
        fillMonthView();
}

void DateList::fillMonthView() {
    const int32_t first = dates_.MonthStart;
    const std::string firstText = MODULDaywise::DayToDate(first);
    dDateWinDisplay.setText(MODULDaywise::MonthNameOf(firstText) + " " + firstText.substr(0, 4));
    dBackWinDateList.setSorted(false);

    int todayRow = 0;
    for (int r = 0; r < MonthRows; ++r) {
        const int32_t d = first + r;
        const std::string date = MODULDaywise::DayToDate(d);
        // In December 9999 the 40 days run past the last day there is. Such days get no row, so that
        // no entry can be made for them and the all-entries view stays in date order.
        if (date.empty())
            continue;
        std::string label = date.substr(5) + " " + MODULDaywise::DayName(d, 0);
        const int entry = entries_.find(d);
        const std::string key = ui::numberKey(d);
        ui::ListItem* item = entry < 0 ? dBackWinDateList.ListItems.Add(key, label)
                                       : dBackWinDateList.ListItems.Add(
                                             key, withEntry(label, entries_.EntryText[std::size_t(entry)]),
                                             ui::ImageDayWithEntry);
        if (item == nullptr)
            continue;
        RowLabel[static_cast<std::size_t>(item->Index() - 1)] = std::move(label);
        if (d == dates_.TodayDayNumber)
            item->setSelected(true);
        colourWeekend(*item, d);
        if (d == dates_.TodayDayNumber) {
            colourToday(*item);
            todayRow = item->Index();
        }
    }

    dDateWinText.setEnabled(false);
    if (ui::ListItem* top = row(1))
        top->setSelected(false);
    if (todayRow != 0) {
        row(todayRow)->setSelected(true);
        OpenDayEntry(dates_.TodayDayNumber);
        SelRow = static_cast<int16_t>(todayRow);
    } else {
        CurEntry = 0;
        SelRow = 0;
    }
}

void DateList::fillAllEntriesView() {
    dBackWinDateList.setSorted(true);
    std::vector<int> byDay(static_cast<std::size_t>(entries_.EntryCount));
    std::iota(byDay.begin(), byDay.end(), 0);
    std::stable_sort(byDay.begin(), byDay.end(), [this](int a, int b) {
        return entries_.EntryDay[std::size_t(a)] < entries_.EntryDay[std::size_t(b)];
    });
    for (const int i : byDay) {
        const int32_t d = entries_.EntryDay[static_cast<std::size_t>(i)];
        std::string label = MODULDaywise::DayToDate(d) + ", " + MODULDaywise::DayName(d, 0);
        ui::ListItem* item = dBackWinDateList.ListItems.Add(
            ui::numberKey(d), withEntry(label, entries_.EntryText[static_cast<std::size_t>(i)]),
            ui::ImageDayWithEntry);
        if (item == nullptr)
            continue;
        RowLabel[static_cast<std::size_t>(item->Index() - 1)] = std::move(label);
        colourWeekend(*item, d);
        if (d == dates_.TodayDayNumber)
            item->setSelected(true);
    }
    dDateMenuDisplay.setCaption(dDateWinDisplay.Text());

    if (byDay.empty()) {
        // No day is open, so whatever were typed into the editor would go nowhere: it stays shut until
        // a day is opened.
        dDateWinText.setEnabled(false);
        CurEntry = 0;
        SelRow = 0;
        return;
    }
    row(1)->setSelected(true);
    OpenDayEntry(entries_.EntryDay[static_cast<std::size_t>(byDay.front())]);
    SelRow = 1;
}

void DateList::OpenDayEntry(int32_t Day) {
    StoreDayEntry();
    CurEntry = 0;
    const int i = entries_.find(Day);
    // A full store takes no new entry: the editor stays shut for a day without one, so that nothing the
    // user types there can be turned away when it is stored. Existing entries stay editable, and clearing
    // one makes room again.
    dDateWinText.setEnabled(i >= 0 || !entries_.full());
    if (i >= 0) {
        CurEntry = i + 1;
        dDateWinText.setText(entries_.EntryText[static_cast<std::size_t>(i)]);
    } else {
        CurEntry = -Day;
        dDateWinText.setText("");
    }
}

void DateList::StoreDayEntry() {
    if (CurEntry == 0)
        return;
    const std::string text = dDateWinText.Text();
    const bool blank = isBlank(text);
    ui::ListItem* selected = row(SelRow);
    const std::string label = selected != nullptr ? RowLabel[static_cast<std::size_t>(SelRow - 1)] : "";

    if (CurEntry >= 1) {
        const int i = CurEntry - 1;
        if (i >= entries_.EntryCount)
            return;
        if (!blank) {
            entries_.EntryText[static_cast<std::size_t>(i)] = text;
            if (selected != nullptr)
                selected->setText(withEntry(label, text));
        } else {
            entries_.removeAt(i);
            if (selected != nullptr) {
                selected->setSmallIcon(0);
                selected->setText(label);
            }
        }
        return;
    }

    if (blank || !entries_.append(-CurEntry, text))
        return;
    if (selected != nullptr) {
        selected->setSmallIcon(ui::ImageDayWithEntry);
        selected->setText(withEntry(label, text));
    }
}

void DateList::dBackWinDateList_ItemClick() {
    const ui::ListItem* selected = dBackWinDateList.SelectedItem();
    if (selected == nullptr)
        return;
    // Opening stores the edit of the day open so far first, into the row SelRow still names.
    OpenDayEntry(ui::numberOfKey(selected->Key()));
    SelRow = static_cast<int16_t>(selected->Index());
}

} // namespace app
