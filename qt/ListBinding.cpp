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
    : InPlaceEditing<QListView>(parent), control_(control), model_(control, this) {
    setObjectName(toQString(control.Name()));
    setViewMode(QListView::ListMode);
    setIconSize(QSize(16, 16));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setModel(&model_);
    setItemDelegate(new RowDelegate(this));
    slowClick_.setSingleShot(true);
    slowClick_.setInterval(QApplication::doubleClickInterval());
    connect(&slowClick_, &QTimer::timeout, this, [this] { slowClickEnded(); });

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
    if (row.isValid())
        scrollTo(row);
}

void ListBinding::mirrorLabelEdit() {
    const ui::ListItem* editing = control_.EditingItem();
    showLabelEdit(editing != nullptr ? model_.index(editing->Index() - 1) : QModelIndex());
}

void ListBinding::labelEditEnded(const QString& text, bool byKey) {
    if (byKey)
        control_.userConfirmLabelEdit(toStdString(text));
    else
        control_.userEndLabelEdit(toStdString(text));
}

void ListBinding::labelEditCancelled() {
    control_.userCancelLabelEdit();
}

void ListBinding::clickRow(const QModelIndex& row, Qt::KeyboardModifiers modifiers) {
    if (row.isValid())
        control_.userClickItem(row.row() + 1, shiftMaskOf(modifiers));
    else
        control_.userClickEmpty();
}

// Entries are selected on the press, as in the platform's own lists; the right button acts on release,
// where the control raises its MouseUp. A press that ends a name edit acts on the entry it was aimed at,
// found again by its key once the edit has re-created it; when that entry is gone, the press only
// completed the edit.
void ListBinding::mousePressEvent(QMouseEvent* event) {
    event->accept();
    slowClick_.stop();
    QModelIndex row = indexAt(event->position().toPoint());
    if (state() == EditingState) {
        const std::string key = row.isValid() ? control_.ListItems(row.row() + 1).Key() : std::string();
        completeLabelEdit();
        const ui::ListItem* pressed = key.empty() ? nullptr : control_.ListItems.find(key);
        if (!key.empty() && pressed == nullptr)
            return;
        row = pressed != nullptr ? model_.index(pressed->Index() - 1) : QModelIndex();
    }
    if (event->button() != Qt::LeftButton)
        return;
    const ui::ListItem* focus = control_.SelectedItem();
    const bool onTheOnlySelected = row.isValid() && event->modifiers() == Qt::NoModifier &&
                                   focus != nullptr && focus->Index() == row.row() + 1 && focus->Selected() &&
                                   selectionModel()->selectedIndexes().size() == 1;
    clickRow(row, event->modifiers());
    if (onTheOnlySelected && control_.SelectedItem() == focus) {
        slowClickKey_ = focus->Key();
        slowClick_.start();
    }
}

void ListBinding::slowClickEnded() {
    const ui::ListItem* focus = control_.SelectedItem();
    if (hasFocus() && focus != nullptr && focus->Key() == slowClickKey_ && focus->Selected() &&
        selectionModel()->selectedIndexes().size() == 1)
        control_.userBeginLabelEdit();
}

void ListBinding::focusOutEvent(QFocusEvent* event) {
    slowClick_.stop();
    QListView::focusOutEvent(event);
}

void ListBinding::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::RightButton)
        control_.userRightClick(pointOf(event->position()));
}

void ListBinding::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    slowClick_.stop();
}

// The menu key pops up what a right click pops up (the mouse's own right click reaches the control on
// release), as Shift+F10 does.
void ListBinding::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard)
        popUpFromKeyboard();
}

// Over the entry with the keyboard focus, where a right click there would have landed.
void ListBinding::popUpFromKeyboard() {
    const QModelIndex row = currentIndex();
    const QPoint at = row.isValid() ? visualRect(row).center() : QPoint(4, 4);
    control_.userRightClick({at.x(), at.y()});
}

void ListBinding::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton)
        QListView::mouseMoveEvent(event);
}

// Space selects the row that has the keyboard focus, with Ctrl or Shift as a click would. The other keys
// that move the keyboard focus (arrows, Home, End, the page keys, typing a name) select the row they move
// to, with Shift extending the selection; with Ctrl they only move the focus, so that Ctrl+Space can
// then add the row.
void ListBinding::keyPressEvent(QKeyEvent* event) {
    // Keys the name editor leaves (Up, Down, the page keys) would move the row under it.
    if (state() == EditingState) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && currentIndex().isValid()) {
        clickRow(currentIndex(), event->modifiers());
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        popUpFromKeyboard();
        event->accept();
        return;
    }
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (!after.isValid() || after == before || event->modifiers().testFlag(Qt::ControlModifier))
        return;
    const int16_t shift = event->modifiers().testFlag(Qt::ShiftModifier) ? ui::vbShiftMask : 0;
    control_.userSelectWithKeyboard(after.row() + 1, shift);
    mirrorFocus();
}

// Keys released in a name editor belong to the name: Delete there erases a character, not the items.
void ListBinding::keyReleaseEvent(QKeyEvent* event) {
    if (state() == EditingState) {
        QListView::keyReleaseEvent(event);
        return;
    }
    const int16_t code = keyCodeOf(event->key());
    if (code != 0 && !event->isAutoRepeat())
        control_.userKeyUp(code, shiftMaskOf(event->modifiers()));
    QListView::keyReleaseEvent(event);
}

} // namespace qt
