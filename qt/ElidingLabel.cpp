#include "qt/ElidingLabel.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace qt {

QFont ElidingLabel::shownFont() const {
    QFont shown = font();
    if (!wholeWords_)
        return shown;
    const QStringList words = text().split(u' ', Qt::SkipEmptyParts);
    const auto widest = [&words](const QFont& font) {
        const QFontMetricsF metrics(font);
        qreal width = 0;
        for (const QString& word : words)
            width = std::max(width, metrics.horizontalAdvance(word));
        return width;
    };
    const qreal room = contentsRect().width();
    while (shown.pointSizeF() > SmallestPointSize && widest(shown) > room)
        shown.setPointSizeF(shown.pointSizeF() - 0.5);
    return shown;
}

QStringList ElidingLabel::shownLines() const {
    const QRect area = contentsRect();
    const QFont shown = shownFont();
    const QFontMetrics metrics(shown);
    const int room = std::max(1, area.height() / metrics.lineSpacing());
    const QString whole = text();
    QTextLayout layout(whole, shown);
    QTextOption option;
    option.setWrapMode(wholeWords_ && shown.pointSizeF() > SmallestPointSize
                           ? QTextOption::WordWrap
                           : QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        if (lines.size() + 1 == room) {
            lines << metrics.elidedText(whole.mid(line.textStart()).simplified(), Qt::ElideRight,
                                        area.width());
            break;
        }
        lines << whole.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

QSize ElidingLabel::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return {metrics.averageCharWidth() * 10, metrics.lineSpacing() * 2};
}

QSize ElidingLabel::minimumSizeHint() const {
    return {0, fontMetrics().lineSpacing()};
}

void ElidingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFont shown = shownFont();
    painter.setFont(shown);
    // The painter draws a line starting with a number backwards in a right-to-left application unless
    // told the label's own direction.
    painter.setLayoutDirection(layoutDirection());
    const QRect area = contentsRect();
    const int spacing = QFontMetrics(shown).lineSpacing();
    QRect row(area.left(), area.top(), area.width(), spacing);
    const Qt::Alignment across = alignment() & Qt::AlignHorizontal_Mask;
    for (const QString& line : shownLines()) {
        painter.drawText(row, static_cast<int>(across | Qt::AlignTop), line);
        row.translate(0, spacing);
    }
}

} // namespace qt
