#include "dates/MODULDaywise.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

using namespace MODULDaywise;

namespace {

constexpr int32_t Min = std::numeric_limits<int32_t>::min();
constexpr int32_t Max = std::numeric_limits<int32_t>::max();

// Every day of years 1 to 9999, and none outside them, against the standard library's calendar.
TEST(MODULDaywiseAgainstChrono, AgreesOnEveryDayOfTheDomain) {
    using namespace std::chrono;
    constexpr std::array<const char*, 7> Names{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
    const sys_days dayOne{year{1} / January / 1};
    const int32_t last = static_cast<int32_t>((sys_days{year{9999} / December / 31} - dayOne).count()) + 1;
    ASSERT_EQ(DateToDay("9999-12-31"), last);
    for (const int32_t outside : {0, -1, last + 1, Min, Max})
        EXPECT_EQ(DayToDate(outside), "") << outside;
    for (int32_t n = 1; n <= last; ++n) {
        const year_month_day date{dayOne + days{n - 1}};
        const weekday wd{dayOne + days{n - 1}};
        char expected[16];
        std::snprintf(expected, sizeof expected, "%04d-%02u-%02u", static_cast<int>(date.year()),
                      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
        const std::string text = DayToDate(n);
        ASSERT_TRUE(text == expected && DateToDay(text) == n &&
                    DayOfWeek(n, true) == static_cast<float>(wd.c_encoding()) &&
                    DayOfWeek(n, false) == static_cast<float>(wd.iso_encoding() - 1) &&
                    DayName(n, 0) == Names[wd.c_encoding()])
            << "day " << n << ": expected " << expected << ", got " << text << " " << DayName(n, 0);
    }
}

// Fields are read leniently and never validated: days and months beyond their range count on (month 13
// or 00 keeping a leap year's leap day), separators, blanks and signs are passed over, reading stops at a
// blank or letter, and a half rounds to the even day.
TEST(DateToDay, ReadsMalformedTextsLikeTheirEquivalentDate) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"2003-02-30", "2003-03-02"}, {"2004-03-00", "2004-02-29"}, {"2004-13-05", "2004-01-06"},
        {"2004-00-05", "2004-01-06"}, {"2003-13-05", "2003-01-05"}, {"2004-.5-05", "2004-01-06"},
        {"2003/03_02", "2003-03-02"}, {" 200-03-01", "0200-03-01"}, {"+200-03-01", "0200-03-01"},
        {"2003-3 -02", "2003-03-02"}, {"20x3-03-02", "0020-03-02"}, {"2003-03-2x", "2003-03-02"},
        {"2003-03--1", "2003-02-27"}, {"2003-03-2", "2003-02-26"},  {"2003-03-.5", "2003-02-28"},
        {"2003-04-.5", "2003-04-01"}, {"0001-01-99", "0001-04-09"}, {"9999-12-00", "9999-11-30"},
    };
    for (const auto& [text, sameDayAs] : rows)
        EXPECT_EQ(DateToDay(text), DateToDay(sameDayAs)) << text;
}

// Beyond the first and the last day the count goes on; a year read as 0 or below mixes floored quotients
// with sign-keeping remainders, and the mix decides its day.
TEST(DateToDay, CountsOnPastEitherEndOfTheDomain) {
    const std::vector<std::pair<std::string, int32_t>> rows{
        {"0001-01-00", 0},       {"0001-01-01", 1}, {"9999-12-31", 3652059}, {"9999-12-32", 3652060},
        {"abcd-03-02", -184386}, {"", -184447},     {"-001-01-01", -184811},
    };
    for (const auto& [text, day] : rows)
        EXPECT_EQ(DateToDay(text), day) << text;
}

// Days of the calendar are checked against the standard calendar above; these are the day numbers and
// offsets outside it, where remainders turn negative or differences overflow 32 bits.
TEST(Weekday, FoldsEveryDayNumberAndOffsetIntoTheWeek) {
    const std::vector<std::tuple<int32_t, int32_t, float, float, std::string>> rows{
        {0, 0, 0, 6, "Sunday"},    {-6, 0, 1, 0, "Monday"},      {1, 1, 1, 0, "Sunday"},
        {1, -5, 1, 0, "Saturday"}, {Min, Max, 5, 4, "Thursday"}, {Max, Min, 1, 0, "Wednesday"},
    };
    for (const auto& [day, offset, sundayFirst, mondayFirst, name] : rows) {
        SCOPED_TRACE(testing::Message() << "day " << day << " offset " << offset);
        EXPECT_EQ(DayOfWeek(day, true), sundayFirst);
        EXPECT_EQ(DayOfWeek(day, false), mondayFirst);
        EXPECT_EQ(DayName(day, offset), name);
    }
}

TEST(MonthNameOf, NamesOnlyMonthsOneToTwelve) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"2002-01-20", "January"}, {"2002-12-20", "December"},
        {"2002- 5-20", "May"},     {"2002-5x-20", "May"},
        {"2002-1", "January"},     {"2002-13-20", ""},
        {"2002-00-20", ""},        {"2002-.5-20", ""},
        {"2002-xx-20", ""},        {"", ""},
    };
    for (const auto& [text, name] : rows)
        EXPECT_EQ(MonthNameOf(text), name) << text;
}

} // namespace
