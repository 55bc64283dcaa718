#include "qt/ListBoxBinding.h"

#include "qt/Fonts.h"
#include "qt/KeyInput.h"
#include "qt/Mirror.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace qt {

ListBoxBinding::ListBoxBinding(ui::ListBox& control, QWidget* parent)
    : QListWidget(parent), control_(control) {
    setObjectName(toQString(control.Name()));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    resetLines();
    setFont(fontOf(control_.Font()));
    mirrorEnabledVisible(control, *this);
    connectWhileAlive(
        control.LinesReset, this, [this] { resetLines(); });
    connectWhileAlive(control.LineChanged, this, [this](int line) {
        if (QListWidgetItem* row = item(line))
            row->setText(toQString(control_.List(line)));
    });
    connectWhileAlive(control.LineAdded, this, [this](int line) {
        const QSignalBlocker blocker(this);
        insertItem(line, toQString(control_.List(line)));
    });
    connectWhileAlive(control.Changed, this, [this] {
        setFont(fontOf(control_.Font()));
        mirrorSelection();
    });
}

void ListBoxBinding::resetLines() {
    const QSignalBlocker blocker(this);
    clear();
    for (int line = 0; line < control_.ListCount(); ++line)
        addItem(toQString(control_.List(line)));
    mirrorSelection();
}

void ListBoxBinding::mirrorSelection() {
    const QSignalBlocker blocker(this);
    const int line = control_.ListIndex();
    if (line < 0) {
        selectionModel()->clear();
        return;
    }
    setCurrentRow(line);
}

// Only the control decides the selection; in particular a right click selects nothing, so that the pop-up
// menu's entries act on the line selected before.
void ListBoxBinding::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        const int line = row(itemAt(event->position().toPoint()));
        if (line >= 0)
            control_.userClick(line);
    }
    event->accept();
}

void ListBoxBinding::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    control_.userMouseUp(buttonOf(event->button()), shiftMaskOf(event->modifiers()), {at.x(), at.y()});
    event->accept();
}

void ListBoxBinding::mouseDoubleClickEvent(QMouseEvent* event) {
    const int line = row(itemAt(event->position().toPoint()));
    if (event->button() == Qt::LeftButton && line >= 0)
        control_.userDoubleClick(line);
    event->accept();
}

// Qt makes the first line current when the keyboard arrives without one; the control's selection stays.
void ListBoxBinding::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    mirrorSelection();
}

// The menu key pops up what a right click pops up; the mouse's own right click reaches the control on
// release.
void ListBoxBinding::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard)
        popUpFromKeyboard();
}

// As a right click on the selected line would, where it would have landed.
void ListBoxBinding::popUpFromKeyboard() {
    QListWidgetItem* line = item(control_.ListIndex());
    const QPoint at = line != nullptr ? visualItemRect(line).center() : QPoint(4, 4);
    control_.userMouseUp(ui::vbRightButton, 0, {at.x(), at.y()});
}

// The arrow keys and Home and End select as a click on the line would; Enter is the double click on the
// selected line, and Shift+F10 the menu key.
void ListBoxBinding::keyPressEvent(QKeyEvent* event) {
    const int count = control_.ListCount();
    const int current = control_.ListIndex();
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        popUpFromKeyboard();
        event->accept();
        return;
    }
    int wanted = -1;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (current >= 0)
            control_.userDoubleClick(current);
        event->accept();
        return;
    case Qt::Key_Up:
        wanted = current > 0 ? current - 1 : 0;
        break;
    case Qt::Key_Down:
        wanted = current < 0 ? 0 : std::min(current + 1, count - 1);
        break;
    case Qt::Key_Home:
        wanted = 0;
        break;
    case Qt::Key_End:
        wanted = count - 1;
        break;
    default:
        QListWidget::keyPressEvent(event);
        return;
    }
    if (wanted >= 0 && wanted < count) {
        control_.userClick(wanted);
        scrollToItem(item(wanted));
    }
    event->accept();
}

} // namespace qt
