#include "qt/ClockDate.h"

#include <algorithm>

namespace qt {

std::string clockDateText(const QDate& date) {
    const QDate clamped = std::clamp(date, QDate(1, 1, 1), QDate(9999, 12, 31));
    return QString::asprintf("%02d-%02d-%04d", clamped.month(), clamped.day(), clamped.year()).toStdString();
}

} // namespace qt
