#include "qt/ElidingLabel.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace qt {

QStringList ElidingLabel::shownLines() const {
    const QRect area = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    const int room = std::max(1, area.height() / metrics.lineSpacing());
    const QString whole = text();
    QTextLayout layout(whole, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
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
    const QRect area = contentsRect();
    const int spacing = fontMetrics().lineSpacing();
    QRect row(area.left(), area.top(), area.width(), spacing);
    const Qt::Alignment across = alignment() & Qt::AlignHorizontal_Mask;
    for (const QString& line : shownLines()) {
        painter.drawText(row, static_cast<int>(across | Qt::AlignTop), line);
        row.translate(0, spacing);
    }
}

} // namespace qt
