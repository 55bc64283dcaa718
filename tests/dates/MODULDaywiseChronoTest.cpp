#include "dates/MODULDaywise.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

using namespace MODULDaywise;

namespace {

std::string Text(const std::chrono::year_month_day& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// Every day of years 1 to 9999, and none outside them, against the standard library's calendar. Failures are
// collected rather than asserted one by one, so that the millions of passing checks stay cheap and a fault
// reports only its first few days.
TEST(MODULDaywiseAgainstChrono, AgreesOnEveryDayOfTheDomain) {
    using namespace std::chrono;
    constexpr std::array<const char*, 7> Names{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
    const sys_days dayOne{year{1} / January / 1};
    const sys_days lastDay{year{9999} / December / 31};
    const int32_t last = static_cast<int32_t>((lastDay - dayOne).count()) + 1;
    ASSERT_EQ(DateToDay("9999-12-31"), last);
    for (const int32_t outside : {0, -1, last + 1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(DayToDate(outside), "") << outside;
    }

    int failures = 0;
    for (int32_t n = 1; n <= last && failures < 5; ++n) {
        const sys_days day = dayOne + days{n - 1};
        const std::string expected = Text(year_month_day{day});
        const weekday wd{day};
        const std::string text = DayToDate(n);
        const bool agrees = text == expected && DateToDay(text) == n &&
                            DayOfWeek(n, true) == static_cast<float>(wd.c_encoding()) &&
                            DayOfWeek(n, false) == static_cast<float>(wd.iso_encoding() - 1) &&
                            DayName(n, 0) == Names[wd.c_encoding()];
        if (!agrees) {
            ++failures;
            ADD_FAILURE() << "day " << n << ": expected " << expected << ", got " << text << " "
                          << DayName(n, 0);
        }
    }
}

} // namespace
