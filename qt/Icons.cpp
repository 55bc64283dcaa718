#include "qt/Icons.h"

#include <QPainter>
#include <QPolygonF>
#include <QPixmap>

#include <array>
#include <functional>
#include <map>
#include <utility>

namespace qt {

namespace {

using Drawing = std::function<void(QPainter&)>;

// Every picture is drawn on a 16 by 16 grid and rendered at two sizes, so it stays sharp on dense
// screens. It is also given as its own Selected picture: otherwise the style tints the icon of a
// selected row.
QIcon render(const Drawing& draw) {
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(pixmap, QIcon::Selected);
    }
    return icon;
}

const QColor Outline(70, 70, 70);

void drawBook(QPainter& p) {
    p.setPen(QPen(QColor(30, 60, 120), 1));
    p.setBrush(QColor(60, 110, 200));
    p.drawRoundedRect(QRectF(3.5, 1.5, 10, 13), 1, 1);
    p.setBrush(QColor(250, 250, 245));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(4.5, 12.5, 9, 1.5));
    p.setPen(QPen(QColor(240, 200, 60), 1));
    p.drawLine(QPointF(6, 5), QPointF(11, 5));
    p.drawLine(QPointF(6, 7), QPointF(11, 7));
}

void drawBin(QPainter& p) {
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(190, 190, 195));
    p.drawPolygon(QPolygonF({{3.5, 4.5}, {12.5, 4.5}, {11.5, 14.5}, {4.5, 14.5}}));
    p.drawRect(QRectF(2.5, 2.5, 11, 2));
    p.drawLine(QPointF(6.5, 6.5), QPointF(6.5, 12.5));
    p.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 12.5));
}

void drawFolder(QPainter& p, bool open) {
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(230, 180, 60));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(QColor(250, 215, 110));
    if (open)
        p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
    else
        p.drawRect(QRectF(1.5, 6.5, 13, 7));
}

void drawSheet(QPainter& p) {
    p.setPen(QPen(Outline, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{3.5, 1.5}, {10, 1.5}, {12.5, 4}, {12.5, 14.5}, {3.5, 14.5}}));
    p.setPen(QPen(QColor(120, 140, 190), 1));
    for (const double y : {5.5, 8.0, 10.5, 13.0})
        p.drawLine(QPointF(5, y), QPointF(11, y));
}

void drawCalendar(QPainter& p, bool marked) {
    p.setPen(QPen(Outline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.setBrush(QColor(200, 50, 50));
    p.drawRect(QRectF(1.5, 2.5, 13, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 110));
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column)
            p.drawRect(QRectF(3 + column * 3, 7.5 + row * 3, 2, 2));
    if (marked) {
        p.setBrush(QColor(200, 50, 50));
        p.drawEllipse(QPointF(11.5, 11.5), 2.5, 2.5);
    }
}

void drawCalculator(QPainter& p) {
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(210, 210, 215));
    p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1.5, 1.5);
    p.setBrush(QColor(180, 220, 180));
    p.drawRect(QRectF(4.5, 3.5, 7, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            p.drawRect(QRectF(4.5 + column * 2.5, 8.5 + row * 2.5, 1.8, 1.8));
}

} // namespace

QIcon imageIcon(int image) {
    static const std::array<QIcon, 7> Images = {
        QIcon(),
        render(drawBook),
        render(drawBin),
        render([](QPainter& p) { drawFolder(p, false); }),
        render([](QPainter& p) { drawFolder(p, true); }),
        render(drawSheet),
        render([](QPainter& p) { drawCalendar(p, true); }),
    };
    return image >= 0 && image < static_cast<int>(Images.size()) ? Images[static_cast<std::size_t>(image)]
                                                                 : QIcon();
}

QIcon nodeIcon(int image, int selectedImage) {
    if (selectedImage == 0)
        return imageIcon(image);
    // The view draws an icon's Selected pictures for the selected row, so the swap needs no code of its
    // own; the few combinations in use are kept rather than rebuilt for every node.
    static std::map<std::pair<int, int>, QIcon> combined;
    QIcon& icon = combined[{image, selectedImage}];
    if (icon.isNull()) {
        const QIcon normal = imageIcon(image);
        const QIcon selected = imageIcon(selectedImage);
        for (const QSize& size : normal.availableSizes(QIcon::Normal))
            icon.addPixmap(normal.pixmap(size, QIcon::Normal), QIcon::Normal);
        for (const QSize& size : selected.availableSizes(QIcon::Normal))
            icon.addPixmap(selected.pixmap(size, QIcon::Normal), QIcon::Selected);
    }
    return icon;
}

QIcon calculatorTabIcon() {
    static const QIcon Icon = render(drawCalculator);
    return Icon;
}

QIcon schedulerTabIcon() {
    static const QIcon Icon = render([](QPainter& p) { drawCalendar(p, false); });
    return Icon;
}

} // namespace qt
