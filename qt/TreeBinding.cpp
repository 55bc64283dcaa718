#include "qt/TreeBinding.h"

#include "qt/KeyInput.h"
#include "qt/Mirror.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>

namespace qt {

namespace {

// Shift, Ctrl or Alt held at the drop makes a copy; the cursor shows which while dragging.
Qt::CursorShape dragCursorFor(Qt::KeyboardModifiers modifiers) {
    return shiftMaskOf(modifiers) != 0 ? Qt::DragCopyCursor : Qt::DragMoveCursor;
}

// How close to the top or bottom edge the pointer scrolls the tree while dragging.
constexpr int AutoScrollMargin = 16;

} // namespace

TreeBinding::TreeBinding(ui::TreeView& control, QWidget* parent)
    : InPlaceEditing<QTreeView, ui::TreeView>(control, parent), control_(control), model_(control, this) {
    setObjectName(toQString(control.Name()));
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    header()->setStretchLastSection(true);
    setModel(&model_);
    control_.setStartDragDistance(QApplication::startDragDistance());

    for (int i = 1; i <= control_.Nodes.Count(); ++i)
        mirrorExpanded(control_.Nodes(i));
    mirrorSelection();
    mirrorEnabledVisible(control_, *this);

    connectWhileAlive(
        control_.NodeChanged, this, [this](ui::TreeNode& node) { mirrorExpanded(node); });
    connectWhileAlive(
        control_.SelectionChanged, this, [this] { mirrorSelection(); });
    connectWhileAlive(
        control_.LabelEditChanged, this, [this] { mirrorLabelEdit(); });
    connectWhileAlive(
        control_.DraggingChanged, this, [this] { mirrorDragging(); });

    connect(
        this, &QTreeView::expanded, this, [this](const QModelIndex& row) { userExpand(row, true); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& row) { userExpand(row, false); });
}

ui::Hit TreeBinding::hitAt(const QPoint& at) const {
    const QModelIndex row = indexAt(at);
    return {row.isValid() ? TreeModel::nodeOf(row)->Index() : 0, {at.x(), at.y()}};
}

ui::Hit TreeBinding::keyboardRow() const {
    const QModelIndex row = currentIndex();
    return row.isValid() ? hitAt(visualRect(row).center()) : ui::Hit{};
}

// The open/close mark and the indentation left of a row; presses there open or close the node, as the
// widget itself does it.
bool TreeBinding::onMark(const QPoint& at) const {
    const QModelIndex row = indexAt(at);
    return row.isValid() && at.x() < visualRect(row).left();
}

void TreeBinding::mirrorExpanded(const ui::TreeNode& node) {
    const QModelIndex row = model_.indexOf(&node);
    if (isExpanded(row) == node.Expanded())
        return;
    const QSignalBlocker blocker(this);
    setExpanded(row, node.Expanded());
}

void TreeBinding::mirrorSelection() {
    const ui::TreeNode* selected = control_.SelectedItem();
    const QModelIndex row = model_.indexOf(selected);
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    if (row.isValid())
        scrollTo(row);
}

void TreeBinding::mirrorLabelEdit() {
    showLabelEdit(model_.indexOf(control_.editingNode()));
}

// Keys go to the tree during a drag, but shortcuts are looked up first: the filter holds them back.
void TreeBinding::mirrorDragging() {
    if (control_.dragging()) {
        qApp->installEventFilter(this);
        return;
    }
    qApp->removeEventFilter(this);
    viewport()->unsetCursor();
}

// The widget has already drawn the row open or closed; the control may refuse, so the row is set back
// to the control's state afterwards.
void TreeBinding::userExpand(const QModelIndex& row, bool expanded) {
    ui::TreeNode* node = TreeModel::nodeOf(row);
    if (node == nullptr)
        return;
    control_.userSetExpanded(node->Index(), expanded);
    mirrorExpanded(*node);
}

void TreeBinding::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    if (control_.userPress(buttonOf(event->button()), shiftMaskOf(event->modifiers()), hitAt(at), onMark(at)))
        QTreeView::mousePressEvent(event);
    keepCurrentRow();
}

void TreeBinding::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    if (control_.userRelease(buttonOf(event->button()), shiftMaskOf(event->modifiers()), hitAt(at),
                             onMark(at)))
        QTreeView::mouseReleaseEvent(event);
    keepCurrentRow();
}

// Qt makes the pressed row current, also where the control selected another (a press that ended a name
// edit, the right button, a drop); the focus frame stays on the selected folder, without scrolling.
void TreeBinding::keepCurrentRow() {
    const QModelIndex row = model_.indexOf(control_.SelectedItem());
    if (currentIndex() != row)
        selectionModel()->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
}

void TreeBinding::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    if (control_.userDoubleClick(buttonOf(event->button()), shiftMaskOf(event->modifiers()), hitAt(at),
                                 onMark(at)))
        QTreeView::mousePressEvent(event);
}

// Folders are dragged only inside their own tree, so the drag is followed here rather than handed to
// the platform: the widget has the mouse while the button is held, and the pointer, the modifier keys
// and Escape all arrive as its own events. The control decides what the drop does; the tree changes
// only through the mirror.
void TreeBinding::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (control_.dragging())
        autoScroll(at);
    control_.userMove(buttonsOf(event->buttons()), shiftMaskOf(event->modifiers()), hitAt(at));
    if (control_.dragging())
        viewport()->setCursor(dragCursorFor(event->modifiers()));
    else if (event->buttons() == Qt::NoButton)
        QTreeView::mouseMoveEvent(event);
}

void TreeBinding::autoScroll(const QPoint& at) {
    QScrollBar* bar = verticalScrollBar();
    if (at.y() < AutoScrollMargin)
        bar->setValue(bar->value() - bar->singleStep());
    else if (at.y() > viewport()->height() - AutoScrollMargin)
        bar->setValue(bar->value() + bar->singleStep());
}

// During a drag a shortcut, a menu's access key included, is taken as a plain key by the tree, which
// lets only Escape and the modifier keys act.
bool TreeBinding::eventFilter(QObject* watched, QEvent* event) {
    if (control_.dragging() && event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return InPlaceEditing<QTreeView, ui::TreeView>::eventFilter(watched, event);
}

// Losing the focus ends a drag, as the keys that could end it go elsewhere.
void TreeBinding::focusOutEvent(QFocusEvent* event) {
    control_.userLostFocus();
    QTreeView::focusOutEvent(event);
}

// Shift+F10 is the menu key's twin. Every other key the control leaves to the widget moves its keyboard
// row (arrows, Home, End, the page keys, typing a name) and so selects the node there, as the platform's
// tree does.
void TreeBinding::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        contextMenuKey();
        return;
    }
    const QModelIndex before = currentIndex();
    const bool moves = control_.userKeyDown(keyCodeOf(event->key()), keyboardRow());
    if (control_.dragging())
        viewport()->setCursor(dragCursorFor(event->modifiers()));
    if (!moves)
        return;
    QTreeView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before) {
        control_.userSelectWithKeyboard(TreeModel::nodeOf(after)->Index());
        // A control that took no input keeps its selection, and so does the widget.
        mirrorSelection();
    }
}

// The menu key and Shift+F10 open the pop-up over the selected folder, as a right click on it would.
// Mouse clicks reach the control through the press and release above.
void TreeBinding::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard)
        contextMenuKey();
}

void TreeBinding::contextMenuKey() {
    if (currentIndex().isValid())
        scrollTo(currentIndex());
    control_.userContextMenuKey(keyboardRow());
}

void TreeBinding::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        control_.userKeyRelease(keyCodeOf(event->key()), shiftMaskOf(event->modifiers()));
    if (!control_.dragging()) {
        QTreeView::keyReleaseEvent(event);
        return;
    }
    viewport()->setCursor(dragCursorFor(event->modifiers()));
    event->accept();
}

} // namespace qt
