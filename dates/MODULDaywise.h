#pragma once

#include <cstdint>
#include <string>

// Date arithmetic of the scheduler: day numbers count days of the Gregorian calendar extended backwards,
// day 1 being 0001-01-01; date texts are "YYYY-MM-DD". Every function is pure and uses no platform date
// facility, so results do not depend on the machine's locale, time zone or calendar settings.
namespace MODULDaywise {

// Reads the year, month and day from fixed character positions without validating them, so out-of-range
// fields count on: "2003-02-30" is the day of 2003-03-02, and month 00 or 13 counts as January after the
// leap day.
int32_t DateToDay(const std::string& DateText);

// Returns an empty text for days before 0001-01-01 or after 9999-12-31, which have no four-digit date text.
std::string DayToDate(int32_t Day);

// Weekday index 0 to 6: Sunday-first (0 = Sunday) or Monday-first (0 = Monday); valid for any day number.
float DayOfWeek(int32_t Day, bool SundayFirst);

// English weekday name of Day - Offset.
std::string DayName(int32_t Day, int32_t Offset);

// English name of the month in characters 6 and 7, or an empty text when they do not read as 1 to 12.
std::string MonthNameOf(const std::string& DateText);

} // namespace MODULDaywise
