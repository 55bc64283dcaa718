#include "qt/TreeBinding.h"

#include "qt/KeyInput.h"
#include "qt/Mirror.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <utility>

namespace skin {

namespace {

// Folders are dragged only inside their own tree; the payload is empty because the control remembers
// which node the drag started from.
const QString NodeDragFormat = QStringLiteral("application/x-scrivlet-folder-node");

Qt::DropAction dropActionFor(Qt::KeyboardModifiers modifiers) {
    return modifiers.testFlag(Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
}

} // namespace

TreeBinding::TreeBinding(ui::TreeView& control, QWidget* parent)
    : InPlaceEditing<QTreeView>(parent), control_(control), model_(control, this) {
    setObjectName(toQString(control.Name()));
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    header()->setStretchLastSection(true);
    setModel(&model_);

    for (int i = 1; i <= control_.Nodes.Count(); ++i)
        mirrorExpanded(control_.Nodes(i));
    mirrorSelection();
    mirrorEnabledVisible(control_, *this);

    connectWhileAlive(control_.NodeChanged, this, [this](ui::TreeNode& node) { mirrorExpanded(node); });
    connectWhileAlive(control_.SelectionChanged, this, [this] { mirrorSelection(); });
    connectWhileAlive(control_.LabelEditChanged, this, [this] { mirrorLabelEdit(); });

    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& row) { userExpand(row, true); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& row) { userExpand(row, false); });

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

void TreeBinding::labelEditEnded(const QString& text) {
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

void TreeBinding::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && onBranchIndicator(at)) {
        QTreeView::mousePressEvent(event);
        return;
    }
    event->accept();
    pressedRow_ = QPersistentModelIndex();
    if (event->button() == Qt::LeftButton && indexAt(at).isValid()) {
        // A click is known only on release; moving far enough first makes it a drag instead.
        pressedRow_ = indexAt(at);
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
    if (event->button() == Qt::LeftButton && !pressedRow_.isValid() && onBranchIndicator(at)) {
        QTreeView::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->button() == Qt::LeftButton && pressedRow_.isValid()) {
        const QModelIndex pressed = std::exchange(pressedRow_, QPersistentModelIndex());
        if (indexAt(at) == pressed)
            control_.userClickNode(TreeModel::nodeOf(pressed)->Index(), pointOf(event->position()));
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
    const ui::TreeNode* node = TreeModel::nodeOf(row);
    if (!node->Children().empty())
        control_.userSetExpanded(node->Index(), !node->Expanded());
    pressedRow_ = model_.indexOf(node);
    pressPoint_ = at;
}

void TreeBinding::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedRow_.isValid() || !event->buttons().testFlag(Qt::LeftButton)) {
        if (event->buttons() == Qt::NoButton)
            QTreeView::mouseMoveEvent(event);
        return;
    }
    if ((event->position().toPoint() - pressPoint_).manhattanLength() >= QApplication::startDragDistance())
        dragNode(event->modifiers());
}

// The drag runs in a nested loop; the control decides in its drop handler what the drop does, and the
// tree changes only through the mirror.
void TreeBinding::dragNode(Qt::KeyboardModifiers modifiers) {
    const QModelIndex dragged = std::exchange(pressedRow_, QPersistentModelIndex());
    control_.userMouseDown(ui::vbLeftButton, shiftMaskOf(modifiers), pointOf(pressPoint_));
    control_.userStartDrag();
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(NodeDragFormat, {});
    drag->setMimeData(data);
    drag->setPixmap(model_.data(dragged, Qt::DecorationRole).value<QIcon>().pixmap(iconSize()));
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    control_.userCompleteDrag();
}

void TreeBinding::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() == this && event->mimeData()->hasFormat(NodeDragFormat)) {
        event->setDropAction(dropActionFor(event->modifiers()));
        event->accept();
    } else {
        event->ignore();
    }
}

void TreeBinding::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    control_.userDragOver(pointOf(event->position()));
    event->setDropAction(dropActionFor(event->modifiers()));
    event->accept();
}

void TreeBinding::dragLeaveEvent(QDragLeaveEvent* event) {
    event->accept();
}

void TreeBinding::dropEvent(QDropEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    control_.userDrop(shiftMaskOf(event->modifiers()), pointOf(event->position()));
    event->setDropAction(dropActionFor(event->modifiers()));
    event->accept();
}

// Space selects the row that has the keyboard focus, as a click would. Every other key that moves the
// keyboard focus to another row (arrows, Home, End, the page keys, typing a name) selects that row, as
// the platform's tree does.
void TreeBinding::keyPressEvent(QKeyEvent* event) {
    if (state() == EditingState) {
        QTreeView::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Space && currentIndex().isValid()) {
        clickRow(currentIndex());
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

void TreeBinding::keyReleaseEvent(QKeyEvent* event) {
    const int16_t code = keyCodeOf(event->key());
    if (code != 0 && !event->isAutoRepeat())
        control_.userKeyUp(code, shiftMaskOf(event->modifiers()));
    QTreeView::keyReleaseEvent(event);
}

} // namespace skin
