#include "qt/Fonts.h"

#include "qt/Mirror.h"

#include <QFontDatabase>

namespace qt {

QFont fontOf(const ui::Font& font) {
    const QString family = toQString(font.Name);
    QFont qfont;
    if (QFontDatabase::hasFamily(family)) {
        qfont.setFamily(family);
    } else {
        qfont = QFontDatabase::systemFont(font.FixedPitch ? QFontDatabase::FixedFont
                                                          : QFontDatabase::GeneralFont);
        qfont.setStyleHint(font.FixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    }
    qfont.setPointSizeF(font.Size);
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setFixedPitch(font.FixedPitch);
    return qfont;
}

} // namespace qt
