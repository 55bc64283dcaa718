#include "qt/ListBinding.h"

#include "qt/KeyInput.h"
#include "qt/Mirror.h"
#include "qt/RowDelegate.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>

namespace qt {

ListBinding::ListBinding(ui::ListView& control, QWidget* parent)
    : InPlaceEditing<QListView, ui::ListView>(control, parent), control_(control), model_(control, this) {
    setObjectName(toQString(control.Name()));
    setViewMode(QListView::ListMode);
    setIconSize(QSize(16, 16));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setModel(&model_);
    setItemDelegate(new RowDelegate(this));
    doubleClickInterval_.setSingleShot(true);
    doubleClickInterval_.setInterval(QApplication::doubleClickInterval());
    connect(&doubleClickInterval_, &QTimer::timeout, this,
            [this] { control_.userDoubleClickIntervalEnded(); });

    resetEntries();
    mirrorEnabledVisible(control_, *this);

    connectWhileAlive(
        control_.ItemInserted, this, [this](int index) { mirrorSelected(index); });
    connectWhileAlive(
        control_.SelectionChanged, this,
        [this](const ui::ListSelectionChange& change) { mirrorSelection(change); });
    connectWhileAlive(
        control_.ItemsReset, this, [this] { resetEntries(); });
    connectWhileAlive(
        control_.FocusChanged, this, [this] { mirrorFocus(); });
    connectWhileAlive(control_.LabelEditChanged, this, [this] { mirrorLabelEdit(); });
}

// The widget's own selection mode lets no one select, itself included; the selection model still takes
// the control's selection. An entry is added unselected; Qt keeps a row inserted inside a selected range
// out of it, and this makes sure of it.
void ListBinding::mirrorSelected(int index) {
    const QModelIndex row = model_.index(index - 1);
    const bool selected = control_.ListItems(index).Selected();
    if (selectionModel()->isSelected(row) != selected)
        selectionModel()->select(row, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

// One selection call per change, whatever its size: Qt keeps a range as one range, and the view
// repaints once.
void ListBinding::mirrorSelection(const ui::ListSelectionChange& change) {
    QItemSelection rows;
    if (change.first <= change.last)
        rows.select(model_.index(change.first - 1), model_.index(change.last - 1));
    QItemSelectionModel::SelectionFlags how =
        change.selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
    if (change.othersDeselected)
        how = change.selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear;
    selectionModel()->select(rows, how);
}

// After a reset Qt holds no selection; the control's, sorted afresh perhaps, goes over in runs.
void ListBinding::resetEntries() {
    QItemSelection rows;
    const int count = control_.ListItems.Count();
    for (int first = 1; first <= count; ++first) {
        if (!control_.ListItems(first).Selected())
            continue;
        int last = first;
        while (last < count && control_.ListItems(last + 1).Selected())
            ++last;
        rows.select(model_.index(first - 1), model_.index(last - 1));
        first = last;
    }
    if (!rows.isEmpty())
        selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    mirrorFocus();
}

void ListBinding::mirrorFocus() {
    const ui::ListItem* focus = control_.SelectedItem();
    const QModelIndex row = focus != nullptr ? model_.index(focus->Index() - 1) : QModelIndex();
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
    // A hidden list has no height to scroll in yet; it brings the row into view as it is shown.
    if (row.isValid() && isVisible())
        scrollTo(row);
}

void ListBinding::showEvent(QShowEvent* event) {
    InPlaceEditing::showEvent(event);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void ListBinding::mirrorLabelEdit() {
    const ui::ListItem* editing = control_.editingItem();
    showLabelEdit(editing != nullptr ? model_.index(editing->Index() - 1) : QModelIndex());
}

ui::Hit ListBinding::hitAt(const QPoint& at) const {
    const QModelIndex row = indexAt(at);
    return {row.isValid() ? row.row() + 1 : 0, {at.x(), at.y()}};
}

// Where a right click on the entry with the keyboard focus would land, or near the corner without one.
ui::Hit ListBinding::keyboardRow() const {
    const QModelIndex row = currentIndex();
    return row.isValid() ? hitAt(visualRect(row).center()) : ui::Hit{0, {4, 4}};
}

void ListBinding::mousePressEvent(QMouseEvent* event) {
    event->accept();
    doubleClickInterval_.start();
    control_.userPress(buttonOf(event->button()), shiftMaskOf(event->modifiers()),
                       hitAt(event->position().toPoint()));
}

void ListBinding::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    control_.userRelease(buttonOf(event->button()), hitAt(event->position().toPoint()));
}

void ListBinding::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    control_.userDoubleClick(buttonOf(event->button()), shiftMaskOf(event->modifiers()),
                             hitAt(event->position().toPoint()));
}

// Qt makes the first row current when the keyboard arrives at a list without one, which would draw the
// focus frame on an entry the control does not hold; the control's own stays.
void ListBinding::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    mirrorFocus();
}

void ListBinding::focusOutEvent(QFocusEvent* event) {
    control_.userLostFocus();
    QListView::focusOutEvent(event);
}

// The menu key pops up what a right click pops up (the mouse's own right click reaches the control on
// release), as Shift+F10 does.
void ListBinding::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard)
        control_.userContextMenuKey(keyboardRow());
}

void ListBinding::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton)
        QListView::mouseMoveEvent(event);
}

// Shift+F10 is the menu key's twin. Every other key the control leaves to the widget moves its keyboard
// row (arrows, Home, End, the page keys, typing a name), and the control decides what that selects.
void ListBinding::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        control_.userContextMenuKey(keyboardRow());
        return;
    }
    const int16_t shift = shiftMaskOf(event->modifiers());
    const QModelIndex before = currentIndex();
    if (!control_.userKeyDown(keyCodeOf(event->key()), shift, keyboardRow()))
        return;
    QListView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before && !control_.userKeyboardMove(after.row() + 1, shift))
        mirrorFocus();
}

void ListBinding::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        control_.userKeyRelease(keyCodeOf(event->key()), shiftMaskOf(event->modifiers()));
    QListView::keyReleaseEvent(event);
}

} // namespace qt
