#include "tests/app/SchedulerWindow.h"

#include "ui/ImageList.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using tests::Scheduler;

constexpr uint32_t Blue = ui::rgb(0, 0, 128);
constexpr uint32_t Green = ui::rgb(0, 128, 0);
constexpr uint32_t Cyan = ui::rgb(0, 128, 128);

// The marks are said in words as well as in colour. The rows reuse the entries of the November view
// built at start-up, whose weekends fall on other rows.
TEST(SchedulerMonthView, FebruaryRowsAndColoursThatNoEditOpens) {
    Scheduler s("02-10-2003");
    s.today();
    EXPECT_EQ(s.caption(), "February 2003");
    ASSERT_EQ(s.list().ListItems.Count(), 40);
    const struct {
        int row;
        const char* text;
        uint32_t colour;
        const char* mark;
    } rows[] = {{1, "02-01 Saturday", Cyan, "Weekend"},  {2, "02-02 Sunday", Green, "Weekend"},
                {10, "02-10 Monday", Blue, "Today"},     {28, "02-28 Friday", 0, ""},
                {29, "03-01 Saturday", Cyan, "Weekend"}, {40, "03-12 Wednesday", 0, ""}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(s.row(r.row).Text(), r.text);
        EXPECT_EQ(s.row(r.row).ForeColor(), r.colour);
        EXPECT_EQ(s.row(r.row).ToolTipText(), r.mark);
    }
    Scheduler saturday("02-08-2003");
    saturday.today();
    EXPECT_EQ(saturday.row(8).ToolTipText(), "Today, weekend");
    s.list().StartLabelEdit();
    EXPECT_EQ(s.list().editingItem(), nullptr);
}

// Typing into the open day, not yet stored, survives every gesture of the panel and of the window.
TEST(SchedulerEntries, TypingForTheOpenDaySurvivesEveryGesture) {
    const struct {
        const char* gesture;
        std::function<void(Scheduler&)> act;
    } rows[] = {
        {"click another day", [](Scheduler& s) { s.click("11-21"); }},
        {"click the open day", [](Scheduler& s) { s.click("11-20"); }},
        {"next month", [](Scheduler& s) { s.scroll(2); }},
        {"month before", [](Scheduler& s) { s.scroll(0); }},
        {"Today", [](Scheduler& s) { s.today(); }},
        {"all entries", [](Scheduler& s) { s.all(); }},
        {"hide the panel", [](Scheduler& s) { s.menu().mDateShow.userChoose(); }},
        {"open the calculator", [](Scheduler& s) { s.menu().mNumbraShow.userChoose(); }},
        {"a new day begins",
         [](Scheduler& s) {
             s.platform.date = "11-21-2002";
             s.controls().dDateWinTimer.tick();
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.gesture);
        Scheduler s;
        tests::type(s.editor(), "typed");
        row.act(s);
        if (!s.controls().dDateWinBack.Visible())
            s.menu().mDateShow.userChoose();
        s.all();
        const app::DayEntries& entries = s.form.scheduler().list().entries();
        const int i = entries.find(731174);
        ASSERT_GE(i, 0);
        EXPECT_EQ(entries.EntryText[static_cast<std::size_t>(i)], "typed");
        EXPECT_EQ(entries.EntryCount, 1);
    }
}

// All lists the entries in date order, colouring only weekends, and opens the earliest; both captions
// are empty there. Back in the month last shown, the tab caption stays empty while the date stays (a new
// day fills it, as ANewDayIsMarkedWithinTheMonthShown shows).
TEST(SchedulerEntries, AllListsInDateOrderAndOpensTheEarliest) {
    Scheduler s;
    tests::edit(s.editor(), "Dentist");
    s.scroll(2);
    s.write("12-24", "Eve");
    s.scroll(0);
    s.write("11-05", "Vote");
    s.scroll(2);
    s.scroll(2);
    s.write("01-01", "New year");
    s.all();
    EXPECT_EQ(s.rows(),
              (std::vector<std::string>{"2002-11-05, Tuesday: Vote", "2002-11-20, Wednesday: Dentist",
                                        "2002-12-24, Tuesday: Eve", "2003-01-01, Wednesday: New year"}));
    EXPECT_EQ(s.row(2).SmallIcon(), ui::ImageDayWithEntry);
    EXPECT_EQ(s.row(2).ForeColor(), 0U);
    EXPECT_EQ(s.selectedRow(), 1);
    EXPECT_EQ(s.editor().Text(), "Vote");
    EXPECT_EQ(s.caption(), "");
    EXPECT_EQ(s.tabCaption(), "");

    s.all();
    EXPECT_EQ(s.caption(), "January 2003");
    EXPECT_EQ(s.row(1).Text(), "01-01 Wednesday: New year");
    s.controls().dDateWinTimer.tick();
    EXPECT_EQ(s.tabCaption(), "");
}

// Only spaces make no entry, and clearing an entry's text to spaces removes it; other spaces are kept.
TEST(SchedulerEntries, BlankTextCreatesNothingAndRemovesAnEntry) {
    Scheduler s;
    s.write("11-03", "a");
    s.write("11-04", "   ");
    s.write("11-05", " padded ");
    s.write("11-03", "  ");
    s.click("11-06");
    EXPECT_EQ(s.row(3).Text(), "11-03 Sunday");
    EXPECT_EQ(s.row(3).SmallIcon(), 0);
    EXPECT_EQ(s.row(4).Text(), "11-04 Monday");
    EXPECT_EQ(s.row(5).Text(), "11-05 Tuesday:  padded ");
    EXPECT_EQ(s.form.scheduler().list().entries().EntryCount, 1);
}

// The editor is shut wherever what it took could not be stored.
TEST(SchedulerEntries, AViewWithoutAnOpenDayOrAFullStoreShutsTheEditor) {
    Scheduler s;
    tests::edit(s.editor(), "kept");
    s.scroll(2);
    s.scroll(2);
    // Today is not among January's days: nothing opens, and the editor keeps the text but takes none.
    EXPECT_EQ(s.caption(), "January 2003");
    EXPECT_FALSE(s.editor().Enabled());
    EXPECT_EQ(s.editor().Text(), "kept");
    EXPECT_EQ(s.selectedRow(), 0);

    Scheduler empty;
    empty.all();
    EXPECT_EQ(empty.list().ListItems.Count(), 0);
    EXPECT_FALSE(empty.editor().Enabled());

    // A full store takes no new day but keeps its entries editable.
    Scheduler full;
    app::DayEntries& entries = full.form.scheduler().list().entries();
    // Days far from 2002, so that November's rows have none.
    for (int i = 0; i < app::DayEntries::MaxEntries; ++i)
        ASSERT_TRUE(entries.append(100000 + i, "old"));
    EXPECT_FALSE(entries.append(99999, "one too many"));
    full.all();
    full.all();
    EXPECT_FALSE(full.editor().Enabled());

    full.all();
    tests::edit(full.editor(), "");
    full.all();
    EXPECT_TRUE(full.editor().Enabled());
    tests::edit(full.editor(), "fits again");
    full.click("11-21");
    EXPECT_EQ(entries.EntryCount, app::DayEntries::MaxEntries);
    EXPECT_EQ(full.row(20).Text(), "11-20 Wednesday: fits again");
}

} // namespace
