#include "qt/EditorText.h"

#include <QTextDocument>

#include <algorithm>

namespace qt {

std::string storedText(const QPlainTextEdit& editor) {
    QString text = editor.document()->toRawText();
    // Paragraph breaks are held as U+2029; a frame's first and last mark (U+FDD0, U+FDD1) end one too.
    std::replace_if(
        text.begin(), text.end(),
        [](QChar c) { return c == QChar::ParagraphSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1); },
        QChar(u'\n'));
    return text.toStdString();
}

} // namespace qt
