#include "dates/MODULDaywise.h"

#include <array>
#include <cmath>
#include <string_view>

namespace MODULDaywise {
namespace {

// Day number of 9999-12-31, the last day with a four-digit year.
constexpr int32_t LastDay = 3652059;

// Days of a common year before the first of each month.
constexpr std::array<int, 12> MonthOffset{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

constexpr std::array<std::string_view, 12> MonthName{"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

constexpr std::array<std::string_view, 7> WeekdayName{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};

// The year arithmetic deliberately pairs a floored quotient with a remainder that keeps the sign of the
// dividend. Both agree for years 1 to 9999; for the years 0 and below that a lenient read can produce,
// the pairing decides the day number, so it must not be "simplified" into one convention. Divisors are
// always positive.
int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}
int64_t mod(int64_t a, int64_t b) {
    return a % b;
}
double floorDiv(double a, double b) {
    return std::floor(a / b);
}
double mod(double a, double b) {
    return std::fmod(a, b);
}

bool isWhole(double x) {
    return x == std::floor(x);
}

// Four overriding tests rather than one boolean expression: they are the rule that also decides years
// read from malformed texts (fractions, zero, negatives), and there the order of the tests matters.
template <typename Number> int leapFlag(Number year) {
    int flag = 0;
    if (floorDiv(year, Number{400}) > 0)
        flag = 1;
    if (floorDiv(mod(year, Number{400}), Number{100}) > 0)
        flag = 0;
    if (floorDiv(mod(year, Number{100}), Number{4}) > 0)
        flag = 1;
    if (mod(year, Number{4}) > 0)
        flag = 0;
    return flag;
}

struct YearStart {
    double daysBefore;
    double leap;
};

template <typename Number> YearStart startOfYear(Number year) {
    Number y = year - 1;
    Number n = floorDiv(y, Number{400}) * 146097;
    y = mod(y, Number{400});
    n += floorDiv(y, Number{100}) * 36524;
    y = mod(y, Number{100});
    n += floorDiv(y, Number{4}) * 1461;
    y = mod(y, Number{4});
    n += y * 365;
    return {static_cast<double>(n), static_cast<double>(leapFlag(year))};
}

// Characters from a 0-based position, cut short at the end of the text instead of failing.
std::string_view piece(std::string_view text, std::size_t start, std::size_t length) {
    return start >= text.size() ? std::string_view{} : text.substr(start, length);
}

std::string_view lastTwo(std::string_view text) {
    return text.size() <= 2 ? text : text.substr(text.size() - 2);
}

// Reads a decimal number from the start of a field and stops at the first character that cannot continue
// it, so "3 " and "3x" read as 3 and a field that starts with no number reads as 0. Fields are at most
// four characters long, so the digits fit a double exactly.
double readLeadingNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    double digits = 0;
    double scale = 1;
    bool afterPoint = false;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + (c - '0');
            if (afterPoint)
                scale *= 10;
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
    }
    const double value = digits / scale;
    return negative ? -value : value;
}

// Halves go to the even neighbour, independent of the floating-point environment's rounding mode.
int32_t roundHalfEven(double x) {
    double whole = std::floor(x);
    const double fraction = x - whole;
    if (fraction > 0.5 || (fraction == 0.5 && mod(whole, 2) != 0))
        whole += 1;
    return static_cast<int32_t>(whole);
}

void writeDigits(std::string& text, std::size_t start, std::size_t width, int64_t value) {
    for (std::size_t i = width; i-- > 0;) {
        text[start + i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

} // namespace

int32_t DateToDay(const std::string& DateText) {
    const double year = readLeadingNumber(piece(DateText, 0, 4));
    const double month = readLeadingNumber(piece(DateText, 5, 2));
    const double day = readLeadingNumber(lastTwo(DateText));

    // Whole years, the normal case, take the fast integer path; a year read with a fraction such as
    // "20.5" takes the same steps in floating point.
    const YearStart start = isWhole(year) ? startOfYear(static_cast<int64_t>(year)) : startOfYear(year);
    double n = start.daysBefore;
    double leap = start.leap;

    // The leap day is added with the month: January and February come before it. A month outside 1 to 12
    // adds no offset yet keeps the leap day, which is why "2004-13-05" lands on 2004-01-06.
    if (month == 1) {
        leap = 0;
    } else if (month == 2) {
        leap = 0;
        n += 31;
    } else if (month >= 3 && month <= 12 && isWhole(month)) {
        n += MonthOffset[static_cast<std::size_t>(month) - 1];
    }

    // Four-character years and two-character days keep the sum within a few million, so it fits int32_t.
    return roundHalfEven(n + leap + day);
}

std::string DayToDate(int32_t Day) {
    // Outside the domain the year needs five digits or turns negative, and no text of the fixed form
    // could be read back by DateToDay; an empty text says "no date" rather than a wrong one.
    if (Day < 1 || Day > LastDay)
        return {};

    const int d = Day - 1;
    int64_t year = d / 146097 * 400;
    int r = d % 146097;

    // The last day of a 400-year cycle and of a 4-year cycle would otherwise spill into a fifth
    // century or year.
    int centuries = r / 36524;
    if (centuries == 4)
        centuries = 3;
    year += 100 * centuries;
    r -= 36524 * centuries;

    year += r / 1461 * 4;
    r %= 1461;

    int years = r / 365;
    if (years == 4)
        years = 3;
    year += years + 1;
    r -= 365 * years;

    const int leap = leapFlag(year);
    int month = 1;
    int dayOfMonth = r;
    if (r > 30) {
        month = 2;
        dayOfMonth = r - 31;
        if (r > 58 + leap) {
            month = 12;
            while (r < MonthOffset[month - 1] + leap)
                --month;
            dayOfMonth = r - MonthOffset[month - 1] - leap;
        }
    }

    std::string text = "0000-00-00";
    writeDigits(text, 0, 4, year);
    writeDigits(text, 5, 2, month);
    writeDigits(text, 8, 2, dayOfMonth + 1);
    return text;
}

// Arithmetic is widened to 64 bits so that extreme day numbers and offsets cannot overflow.
float DayOfWeek(int32_t Day, bool SundayFirst) {
    const int64_t x = static_cast<int64_t>(Day) - 1 + (SundayFirst ? 1 : 0);
    return static_cast<float>(((x % 7) + 14) % 7);
}

std::string DayName(int32_t Day, int32_t Offset) {
    const int64_t index = (((static_cast<int64_t>(Day) - Offset) % 7) + 14) % 7;
    return std::string(WeekdayName[static_cast<std::size_t>(index)]);
}

std::string MonthNameOf(const std::string& DateText) {
    const double month = readLeadingNumber(piece(DateText, 5, 2));
    if (month >= 1 && month <= 12 && isWhole(month))
        return std::string(MonthName[static_cast<std::size_t>(month) - 1]);
    return {};
}

} // namespace MODULDaywise
