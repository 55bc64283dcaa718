#include "qt/ObjectNames.h"

#include "qt/Mirror.h"

namespace qt {

QString objectNameOf(const ui::MenuEntry& entry) {
    QString name = toQString(entry.Name());
    if (entry.Index() >= 0)
        name += QLatin1Char('_') + QString::number(entry.Index());
    return name;
}

} // namespace qt
