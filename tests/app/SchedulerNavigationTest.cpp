#include "tests/app/SchedulerWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tests::Scheduler;

TEST(SchedulerNavigation, TheScrollerMovesAMonthAndRestsInTheMiddle) {
    const struct {
        const char* today;
        int value;
        const char* shown;
        int restsAt;
    } moves[] = {
        {"11-20-2002", 0, "October 2002", 1},
        {"01-31-2003", 0, "December 2002", 1},
        {"02-15-0001", 2, "March 0001", 1},
        {"02-15-0001", 0, "February 0001", 0},
        {"11-15-9999", 2, "November 9999", 2},
        // Months shown by "Today" at the calendar's ends cannot be left outward either.
        {"01-01-0001", 0, "January 0001", 0},
        {"12-15-9999", 2, "December 9999", 2},
        {"12-15-9999", 0, "November 9999", 1},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(std::string(move.today) + " to " + std::to_string(move.value));
        Scheduler s(move.today);
        s.today();
        s.scroll(move.value);
        EXPECT_EQ(s.caption(), move.shown);
        EXPECT_EQ(s.controls().dDateWinScroller.Value(), move.restsAt);
    }
}

// The 40 rows of December 9999 would run past the calendar's last day; only the days that exist are listed.
TEST(SchedulerNavigation, DecemberOfYear9999ListsOnlyItsDays) {
    Scheduler s("12-31-9999");
    s.today();
    EXPECT_EQ(s.tabCaption(), "31 December 9999");
    ASSERT_EQ(s.list().ListItems.Count(), 31);
    EXPECT_EQ(s.row(31).Text(), "12-31 Friday");
    EXPECT_EQ(s.selectedRow(), 31);
    tests::edit(s.editor(), "last");
    s.all();
    EXPECT_EQ(s.rows(), std::vector<std::string>{"9999-12-31, Friday: last"});
}

// Leaving All, "Today" opens today's month, while any scroller move shows the month last shown.
TEST(SchedulerNavigation, TodayKeepsAShownMonthAsItIsAndTheScrollerLeavesAllForTheLastMonth) {
    Scheduler s;
    s.write("11-05", "typed");
    s.today();
    EXPECT_EQ(s.selectedRow(), 5);
    EXPECT_EQ(s.editor().Text(), "typed");
    EXPECT_EQ(s.row(5).Text(), "11-05 Tuesday");

    s.all();
    s.today();
    EXPECT_EQ(s.caption(), "November 2002");
    EXPECT_EQ(s.selectedRow(), 20);
    s.scroll(2);
    s.all();
    s.scroll(0);
    EXPECT_EQ(s.caption(), "December 2002");
    EXPECT_EQ(s.controls().dDateWinScroller.Value(), 1);
}

TEST(SchedulerNavigation, ANewDayIsMarkedWithinTheMonthShown) {
    Scheduler s("11-30-2002");
    s.today();
    s.menu().mDateShow.userChoose();
    ASSERT_FALSE(s.controls().dDateWinBack.Visible());
    s.platform.date = "12-01-2002";
    s.controls().dDateWinTimer.tick();
    EXPECT_EQ(s.tabCaption(), "01 December 2002");
    EXPECT_EQ(s.caption(), "November 2002");
    EXPECT_EQ(s.selectedRow(), 31);
    EXPECT_EQ(s.row(31).Text(), "12-01 Sunday");
    EXPECT_EQ(s.row(31).ForeColor(), ui::rgb(0, 0, 128));
    EXPECT_EQ(s.row(30).ForeColor(), ui::rgb(0, 128, 128));
    EXPECT_TRUE(s.editor().Enabled());
}

} // namespace
