#include "qt/InfoWindow.h"

#include "qt/Fonts.h"
#include "qt/LabelBinding.h"
#include "qt/Mirror.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace skin {

namespace {

struct Placement {
    int x, y, width, height;
};

// Labels 3 and 4 stand at the top left; the title, the slogan and the copyright line in the lower half.
constexpr Placement LabelPlaces[] = {
    {24, 150, 320, 44}, {24, 196, 320, 30}, {24, 236, 320, 20}, {12, 10, 260, 18}, {12, 28, 260, 18}};

} // namespace

InfoWindow::InfoWindow(app::frmInfo& form)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), form_(form) {
    setObjectName(toQString(form.Form.Name()));
    setAccessibleName(QStringLiteral("About Scrivlet"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(app::frmInfo::Width, app::frmInfo::Height);
    setFocusPolicy(Qt::StrongFocus);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    for (ui::Label& control : form.lLabel) {
        auto* label = new QLabel(this);
        bindLabel(control, *label);
        label->setObjectName(QStringLiteral("lLabel_%1").arg(control.Index()));
        label->setAccessibleName(toQString(control.Caption()));
        label->setFont(fontOf(control.Font()));
        const Placement& place = LabelPlaces[control.Index()];
        label->setGeometry(place.x, place.y, place.width, place.height);
        label->setStyleSheet(control.Index() <= 2 ? QStringLiteral("color: #fdf6e3")
                                                  : QStringLiteral("color: #d8e4f0"));
    }
    connectWhileAlive(form.Form.Unloaded, this, [this] { deleteLater(); });
    mirrorEnabledVisible(form.Form, *this);
}

// A night-blue ground with a band of light and a few squared rings: drawn, so that no picture file is
// needed.
void InfoWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, height());
    ground.setColorAt(0, QColor(0x1d, 0x3b, 0x5c));
    ground.setColorAt(1, QColor(0x0b, 0x16, 0x26));
    painter.fillRect(rect(), ground);
    QLinearGradient band(0, 120, width(), 140);
    band.setColorAt(0, QColor(0xf0, 0xa8, 0x30, 200));
    band.setColorAt(1, QColor(0xd0, 0x50, 0x30, 120));
    painter.fillRect(QRect(0, 130, width(), 6), band);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 2));
    for (int ring = 0; ring < 4; ++ring)
        painter.drawRoundedRect(QRect(250 + ring * 10, 20 + ring * 10, 90 - ring * 20, 90 - ring * 20), 8, 8);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void InfoWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        form_.Form.userClick();
}

// The keyboard closes the box as a click does.
void InfoWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        form_.Form.userClick();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The form decides: closing it gives the main window back, and during start-up nothing happens.
void InfoWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    form_.Form.userClose();
}

} // namespace skin
