#pragma once

#include <QDate>

#include <string>

namespace qt {

// A clock date as the program reads it, MM-DD-YYYY whatever the locale, always four digits of year: a
// clock after 9999-12-31 reads as 12-31-9999 and one before the year 1 as 01-01-0001, the ends of the
// dates the scheduler knows. A fifth digit would be read as a year a thousand times smaller.
std::string clockDateText(const QDate& date);

} // namespace qt
