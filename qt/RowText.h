#pragma once

#include <QString>

#include <algorithm>
#include <string>

namespace qt {

// A name as the rows of the tree and the lists show it. A name holding anything beyond ASCII is put
// between first-strong-isolate and pop-directional-isolate marks, so that a right-to-left override or
// embedding inside it ends with it and cannot reorder the rest of the row; ASCII alone has nothing to
// isolate. The name itself is unchanged: editing and screen readers get it as written.
inline QString isolatedRun(const std::string& text) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    if (plain)
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    QString shown;
    shown.reserve(static_cast<qsizetype>(text.size()) + 2);
    shown.append(QChar(0x2068)).append(QString::fromStdString(text)).append(QChar(0x2069));
    return shown;
}

} // namespace qt
