#include "qt/InfoWindow.h"

#include "qt/Accessibility.h"
#include "qt/Fonts.h"
#include "qt/LabelBinding.h"
#include "qt/Mirror.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace qt {

namespace {

struct Placement {
    int x, y, width, height;
    bool wraps;
};

// Labels 3 and 4 stand at the top left; the title, the slogan and the copyright line in the lower half.
// The slogan is longer than the box is wide in its large italic: it takes two lines.
constexpr Placement LabelPlaces[] = {{24, 140, 320, 44, false},
                                     {24, 186, 320, 50, true},
                                     {24, 242, 320, 20, false},
                                     {12, 10, 260, 18, false},
                                     {12, 28, 260, 18, false}};

} // namespace

InfoWindow::InfoWindow(app::frmInfo& form, const QWidget& mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), form_(form) {
    setObjectName(toQString(form.form.Name()));
    setAccessibleName(QStringLiteral("About Scrivlet"));
    setAccessibleRole(*this, QAccessible::Dialog);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(app::frmInfo::Width, app::frmInfo::Height);
    setFocusPolicy(Qt::StrongFocus);
    placeOver(mainWindow);

    for (ui::Label& control : form.lLabel) {
        auto* label = new QLabel(this);
        bindLabel(control, *label);
        label->setObjectName(QStringLiteral("lLabel_%1").arg(control.Index()));
        label->setFont(fontOf(control.Font()));
        const Placement& place = LabelPlaces[control.Index()];
        label->setGeometry(place.x, place.y, place.width, place.height);
        label->setWordWrap(place.wraps);
        // In every state, so that the disabled start-up screen reads as the about box does. A palette,
        // not a style sheet: the first style sheet costs the start-up screen a style of its own.
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         control.Index() <= 2 ? QColor(0xfd, 0xf6, 0xe3) : QColor(0xd8, 0xe4, 0xf0));
        label->setPalette(palette);
    }
    connectWhileAlive(form.form.Unloaded, this, [this] { deleteLater(); });
    mirrorEnabledVisible(form.form, *this);
    settleKeyboardAfterEachStep(form.form, *this);
}

// The box belongs to the main window: it opens over its middle, on the screen the user sees it on, and
// during start-up, before the main window is shown, in the middle of that screen. It never hangs over
// the screen's edge.
void InfoWindow::placeOver(const QWidget& mainWindow) {
    QScreen* screen = mainWindow.screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    QRect box(QPoint(0, 0), size());
    box.moveCenter(mainWindow.isVisible() ? mainWindow.frameGeometry().center() : area.center());
    box.moveLeft(std::max(area.left(), std::min(box.left(), area.right() + 1 - box.width())));
    box.moveTop(std::max(area.top(), std::min(box.top(), area.bottom() + 1 - box.height())));
    setScreen(screen);
    move(box.topLeft());
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
        form_.form.userClick();
}

// The keyboard closes the box as a click does.
void InfoWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        form_.form.userClick();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The form decides: closing it gives the main window back, and during start-up nothing happens.
void InfoWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    form_.form.userClose();
}

} // namespace qt
