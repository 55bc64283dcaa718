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

#include <utility>

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
    : InPlaceEditing<QTreeView>(parent), control_(control), model_(control, this) {
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

    connect(
        this, &QTreeView::expanded, this, [this](const QModelIndex& row) { userExpand(row, true); });
    connect(
        this, &QTreeView::collapsed, this, [this](const QModelIndex& row) { userExpand(row, false); });

    control_.setHitTestProvider([this](int x, int y) { return nodeIndexAt(QPoint(x, y)); });
}

TreeBinding::~TreeBinding() {
    control_.setHitTestProvider({});
}

int TreeBinding::nodeIndexAt(const QPoint& at) const {
    const QModelIndex row = indexAt(at);
    return row.isValid() ? TreeModel::nodeOf(row)->Index() : 0;
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
    showLabelEdit(model_.indexOf(control_.EditingNode()));
}

void TreeBinding::labelEditEnded(const QString& text, bool byKey) {
    if (byKey)
        control_.userConfirmLabelEdit(toStdString(text));
    else
        control_.userEndLabelEdit(toStdString(text));
}

void TreeBinding::labelEditCancelled() {
    control_.userCancelLabelEdit();
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

bool TreeBinding::onBranchIndicator(const QPoint& at) const {
    const QModelIndex row = indexAt(at);
    return row.isValid() && at.x() < visualRect(row).left();
}

void TreeBinding::clickRow(const QModelIndex& row) {
    const QPoint centre = visualRect(row).center();
    control_.userClickNode(TreeModel::nodeOf(row)->Index(), {centre.x(), centre.y()});
}

// A press that ends a rename acts on the folder it was aimed at, found again by its key once the rename
// has re-created nodes and moved rows; when that folder is gone, the press only completed the rename.
// While a folder is dragged, the other buttons do nothing.
void TreeBinding::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (dragging_)
        return;
    const QPoint at = event->position().toPoint();
    QModelIndex row = indexAt(at);
    pressEndedEdit_ = state() == EditingState;
    if (pressEndedEdit_) {
        const std::string key = row.isValid() ? TreeModel::nodeOf(row)->Key() : std::string();
        completeLabelEdit();
        const ui::TreeNode* pressed = key.empty() ? nullptr : control_.Nodes.find(key);
        if (!key.empty() && pressed == nullptr)
            return;
        row = model_.indexOf(pressed);
    } else if (event->button() == Qt::LeftButton && onBranchIndicator(at)) {
        QTreeView::mousePressEvent(event);
        return;
    }
    pressedRow_ = QPersistentModelIndex();
    if (event->button() == Qt::LeftButton && row.isValid()) {
        // A click is known only on release; moving far enough first makes it a drag instead.
        pressedRow_ = row;
        pressPoint_ = at;
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        const int16_t button = event->button() == Qt::LeftButton ? ui::vbLeftButton : ui::vbRightButton;
        control_.userMouseDown(button, shiftMaskOf(event->modifiers()), pointOf(event->position()));
    }
}

void TreeBinding::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragging_) {
        event->accept();
        if (event->button() == Qt::LeftButton) {
            control_.userDrop(shiftMaskOf(event->modifiers()), pointOf(event->position()));
            endNodeDrag();
        }
        return;
    }
    if (event->button() == Qt::LeftButton && !pressedRow_.isValid() && onBranchIndicator(at)) {
        QTreeView::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->button() == Qt::LeftButton && pressedRow_.isValid()) {
        const QModelIndex pressed = std::exchange(pressedRow_, QPersistentModelIndex());
        if (indexAt(at) == pressed || pressEndedEdit_)
            clickRow(pressed);
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        const int16_t button = event->button() == Qt::LeftButton ? ui::vbLeftButton : ui::vbRightButton;
        control_.userMouseUp(button, shiftMaskOf(event->modifiers()), pointOf(event->position()));
    }
}

// The first click of a double click has already selected the node; the second opens or closes it.
void TreeBinding::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QModelIndex row = indexAt(at);
    if (event->button() != Qt::LeftButton || !row.isValid() || onBranchIndicator(at)) {
        mousePressEvent(event);
        return;
    }
    event->accept();
    pressEndedEdit_ = false;
    const ui::TreeNode* node = TreeModel::nodeOf(row);
    if (!node->Children().empty())
        control_.userSetExpanded(node->Index(), !node->Expanded());
    pressedRow_ = model_.indexOf(node);
    pressPoint_ = at;
}

void TreeBinding::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        dragOver(event->position().toPoint(), event->modifiers());
        return;
    }
    if (!pressedRow_.isValid() || !event->buttons().testFlag(Qt::LeftButton)) {
        if (event->buttons() == Qt::NoButton)
            QTreeView::mouseMoveEvent(event);
        return;
    }
    if ((event->position().toPoint() - pressPoint_).manhattanLength() >= QApplication::startDragDistance())
        startNodeDrag(event->position().toPoint(), event->modifiers());
}

// Folders are dragged only inside their own tree, so the drag is followed here rather than handed to
// the platform: the widget has the mouse while the button is held, and the pointer, the modifier keys
// and Escape all arrive as its own events. The control decides what the drop does; the tree changes
// only through the mirror.
void TreeBinding::startNodeDrag(const QPoint& at, Qt::KeyboardModifiers modifiers) {
    const QPoint pressed = visualRect(std::exchange(pressedRow_, QPersistentModelIndex())).center();
    control_.userMouseDown(ui::vbLeftButton, shiftMaskOf(modifiers), pointOf(pressed));
    control_.userStartDrag();
    dragging_ = true;
    // Keys go to the tree during the drag, but shortcuts are looked up first: they are held back here.
    qApp->installEventFilter(this);
    dragOver(at, modifiers);
}

void TreeBinding::dragOver(const QPoint& at, Qt::KeyboardModifiers modifiers) {
    QScrollBar* bar = verticalScrollBar();
    if (at.y() < AutoScrollMargin)
        bar->setValue(bar->value() - bar->singleStep());
    else if (at.y() > viewport()->height() - AutoScrollMargin)
        bar->setValue(bar->value() + bar->singleStep());
    viewport()->setCursor(dragCursorFor(modifiers));
    control_.userDragOver(pointOf(at));
}

// A drop or Escape ends the drag; so does losing the focus, which takes the keys that could end it.
void TreeBinding::endNodeDrag() {
    if (!dragging_)
        return;
    dragging_ = false;
    qApp->removeEventFilter(this);
    viewport()->unsetCursor();
    control_.userCompleteDrag();
}

// During a drag a shortcut, a menu's access key included, is taken as a plain key by the tree, which
// lets only Escape and the modifier keys act.
bool TreeBinding::eventFilter(QObject* watched, QEvent* event) {
    if (dragging_ && event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return InPlaceEditing<QTreeView>::eventFilter(watched, event);
}

void TreeBinding::focusOutEvent(QFocusEvent* event) {
    endNodeDrag();
    QTreeView::focusOutEvent(event);
}

// Space selects the row that has the keyboard focus, as a click would. Every other key that moves the
// keyboard focus to another row (arrows, Home, End, the page keys, typing a name) selects that row, as
// the platform's tree does.
void TreeBinding::keyPressEvent(QKeyEvent* event) {
    if (dragging_) {
        event->accept();
        if (event->key() == Qt::Key_Escape)
            endNodeDrag();
        else
            viewport()->setCursor(dragCursorFor(event->modifiers()));
        return;
    }
    // Keys the name editor leaves (Up, Down, the page keys) would move the row under it.
    if (state() == EditingState) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && currentIndex().isValid()) {
        clickRow(currentIndex());
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        popUpFromKeyboard();
        event->accept();
        return;
    }
    const QModelIndex before = currentIndex();
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
        popUpFromKeyboard();
}

void TreeBinding::popUpFromKeyboard() {
    const QModelIndex selected = model_.indexOf(control_.SelectedItem());
    if (!selected.isValid())
        return;
    scrollTo(selected);
    const QPoint centre = visualRect(selected).center();
    control_.userRightClick({centre.x(), centre.y()});
}

void TreeBinding::keyReleaseEvent(QKeyEvent* event) {
    if (dragging_) {
        viewport()->setCursor(dragCursorFor(event->modifiers()));
        event->accept();
        return;
    }
    // Keys released in a name editor belong to the name: Delete there erases a character.
    const int16_t code = keyCodeOf(event->key());
    if (code != 0 && !event->isAutoRepeat() && state() != EditingState)
        control_.userKeyUp(code, shiftMaskOf(event->modifiers()));
    QTreeView::keyReleaseEvent(event);
}

} // namespace qt
