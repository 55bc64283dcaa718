#include "qt/Fonts.h"

#include "qt/Mirror.h"

#include <QFontDatabase>
#include <QHash>

namespace qt {

namespace {

// Each question costs the font database a fontconfig substitution, and the controls ask again on every
// change of theirs; the answer for a name stays while the program runs.
bool installed(const QString& family) {
    static QHash<QString, bool> known;
    const auto found = known.constFind(family);
    if (found != known.cend())
        return *found;
    return known[family] = QFontDatabase::hasFamily(family);
}

} // namespace

QFont fontOf(const ui::Font& font) {
    const QString family = toQString(font.Name);
    QFont qfont;
    if (installed(family)) {
        qfont.setFamily(family);
    } else {
        qfont = QFontDatabase::systemFont(font.fixedPitch ? QFontDatabase::FixedFont
                                                          : QFontDatabase::GeneralFont);
        qfont.setStyleHint(font.fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    }
    qfont.setPointSizeF(font.Size);
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setFixedPitch(font.fixedPitch);
    return qfont;
}

} // namespace qt
