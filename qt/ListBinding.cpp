#include "qt/ListBinding.h"

#include "qt/Icons.h"
#include "qt/KeyInput.h"
#include "qt/Mirror.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace skin {

namespace {

void copyLook(const ui::ListItem& entry, QListWidgetItem& row) {
    row.setText(toQString(entry.Text()));
    row.setIcon(imageIcon(entry.SmallIcon()));
    // 0 is the colour every entry starts with; it stays the theme's text colour so that entries remain
    // readable on a dark palette.
    const uint32_t colour = entry.ForeColor();
    if (colour != 0)
        row.setForeground(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    else if (row.data(Qt::ForegroundRole).isValid())
        row.setData(Qt::ForegroundRole, QVariant());
}

// The widget's own selection mode lets no one select, itself included; the selection model still takes
// the control's selection.
void copySelected(const ui::ListItem& entry, QItemSelectionModel& selection, const QModelIndex& index) {
    if (selection.isSelected(index) != entry.Selected())
        selection.select(index,
                         entry.Selected() ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

} // namespace

ListBinding::ListBinding(ui::ListView& control, QWidget* parent)
    : InPlaceEditing<QListWidget>(parent), control_(control) {
    setObjectName(toQString(control.Name()));
    setViewMode(QListView::ListMode);
    setIconSize(QSize(16, 16));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);

    resetEntries();
    mirrorEnabledVisible(control_, *this);

    connectWhileAlive(control_.ItemInserted, this, [this](int index) { insertEntry(index); });
    connectWhileAlive(control_.ItemRemoved, this, [this](int index) { delete takeItem(index - 1); });
    connectWhileAlive(control_.ItemChanged, this, [this](int index) { updateEntry(index); });
    connectWhileAlive(control_.ItemsReset, this, [this] { resetEntries(); });
    connectWhileAlive(control_.FocusChanged, this, [this] { mirrorFocus(); });
    connectWhileAlive(control_.LabelEditChanged, this, [this] { mirrorLabelEdit(); });
}

// The row gets its look before it joins the list, so that filling a long list raises one change of the
// widget's model per row instead of four.
void ListBinding::insertEntry(int index) {
    const ui::ListItem& entry = control_.ListItems(index);
    auto* row = new QListWidgetItem;
    row->setFlags(row->flags() | Qt::ItemIsEditable);
    copyLook(entry, *row);
    insertItem(index - 1, row);
    if (entry.Selected())
        copySelected(entry, *selectionModel(), indexFromItem(row));
}

void ListBinding::updateEntry(int index) {
    QListWidgetItem* row = item(index - 1);
    if (row == nullptr)
        return;
    const ui::ListItem& entry = control_.ListItems(index);
    copyLook(entry, *row);
    copySelected(entry, *selectionModel(), indexFromItem(row));
}

void ListBinding::resetEntries() {
    clear();
    for (int index = 1; index <= control_.ListItems.Count(); ++index)
        insertEntry(index);
    mirrorFocus();
}

void ListBinding::mirrorFocus() {
    const ui::ListItem* focus = control_.SelectedItem();
    QListWidgetItem* row = focus != nullptr ? item(focus->Index() - 1) : nullptr;
    selectionModel()->setCurrentIndex(row != nullptr ? indexFromItem(row) : QModelIndex(),
                                      QItemSelectionModel::NoUpdate);
    if (row != nullptr)
        scrollToItem(row);
}

void ListBinding::mirrorLabelEdit() {
    const ui::ListItem* editing = control_.EditingItem();
    QListWidgetItem* row = editing != nullptr ? item(editing->Index() - 1) : nullptr;
    showLabelEdit(row != nullptr ? indexFromItem(row) : QModelIndex());
}

void ListBinding::labelEditEnded(const QString& text) {
    control_.userEndLabelEdit(toStdString(text));
}

void ListBinding::labelEditCancelled() {
    control_.userCancelLabelEdit();
}

void ListBinding::clickRow(QListWidgetItem* row, Qt::KeyboardModifiers modifiers) {
    if (row != nullptr)
        control_.userClickItem(row->listWidget()->row(row) + 1, shiftMaskOf(modifiers));
    else
        control_.userClickEmpty();
}

// Entries are selected on the press, as in the platform's own lists; the right button acts on release,
// where the control raises its MouseUp.
void ListBinding::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        clickRow(itemAt(event->position().toPoint()), event->modifiers());
}

void ListBinding::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::RightButton)
        control_.userRightClick(pointOf(event->position()));
}

void ListBinding::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ListBinding::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton)
        QListWidget::mouseMoveEvent(event);
}

// Space selects the row that has the keyboard focus, with Ctrl or Shift as a click would.
void ListBinding::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && currentItem() != nullptr && state() != EditingState) {
        clickRow(currentItem(), event->modifiers());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ListBinding::keyReleaseEvent(QKeyEvent* event) {
    const int16_t code = keyCodeOf(event->key());
    if (code != 0 && !event->isAutoRepeat())
        control_.userKeyUp(code, shiftMaskOf(event->modifiers()));
    QListWidget::keyReleaseEvent(event);
}

} // namespace skin
