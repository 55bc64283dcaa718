#include "qt/TreeBinding.h"

#include "qt/Icons.h"
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

#include <algorithm>

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
    : InPlaceEditing<QTreeWidget>(parent), control_(control) {
    setObjectName(toQString(control.Name()));
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    header()->setStretchLastSection(true);

    for (int i = 1; i <= control_.Nodes.Count(); ++i)
        addNode(control_.Nodes(i));
    mirrorSelection();
    mirrorDropHighlight();
    mirrorEnabledVisible(control_, *this);

    connectWhileAlive(control_.NodeAdded, this, [this](ui::TreeNode& node) { addNode(node); });
    connectWhileAlive(control_.NodeRemoved, this, [this](int index) { removeNode(index); });
    connectWhileAlive(control_.NodeChanged, this, [this](ui::TreeNode& node) { updateNode(node); });
    connectWhileAlive(control_.SelectionChanged, this, [this] { mirrorSelection(); });
    connectWhileAlive(control_.DropHighlightChanged, this, [this] { mirrorDropHighlight(); });
    connectWhileAlive(control_.LabelEditChanged, this, [this] { mirrorLabelEdit(); });

    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { userExpand(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { userExpand(item, false); });

    control_.setHitTestProvider([this](int x, int y) { return indexOf(itemAt(QPoint(x, y))); });
}

TreeBinding::~TreeBinding() {
    control_.setHitTestProvider({});
}

QTreeWidgetItem* TreeBinding::itemOf(int index) const {
    return index >= 1 && index <= static_cast<int>(items_.size())
               ? items_[static_cast<std::size_t>(index - 1)]
               : nullptr;
}

int TreeBinding::indexOf(const QTreeWidgetItem* item) const {
    if (item == nullptr)
        return 0;
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? 0 : static_cast<int>(it - items_.begin()) + 1;
}

void TreeBinding::addNode(const ui::TreeNode& node) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, toQString(node.Text()));
    item->setIcon(0, nodeIcon(node.Image(), node.SelectedImage()));
    item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    if (QTreeWidgetItem* parent = node.Parent() != nullptr ? itemOf(node.Parent()->Index()) : nullptr)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    items_.push_back(item);
    mirrorExpanded(item, node.Expanded());
}

// The control removes a subtree from its last node upwards, so the row has no children left here.
void TreeBinding::removeNode(int index) {
    QTreeWidgetItem* item = itemOf(index);
    if (item == nullptr)
        return;
    if (item == dropTarget_)
        dropTarget_ = nullptr;
    if (item == pressedItem_)
        pressedItem_ = nullptr;
    items_.erase(items_.begin() + (index - 1));
    delete item;
}

void TreeBinding::updateNode(const ui::TreeNode& node) {
    QTreeWidgetItem* item = itemOf(node.Index());
    if (item == nullptr)
        return;
    item->setText(0, toQString(node.Text()));
    mirrorExpanded(item, node.Expanded());
}

void TreeBinding::mirrorExpanded(QTreeWidgetItem* item, bool expanded) {
    if (item->isExpanded() == expanded)
        return;
    const QSignalBlocker blocker(this);
    item->setExpanded(expanded);
}

void TreeBinding::mirrorSelection() {
    clearSelection();
    const ui::TreeNode* selected = control_.SelectedItem();
    QTreeWidgetItem* item = selected != nullptr ? itemOf(selected->Index()) : nullptr;
    if (item == nullptr)
        return;
    // The keyboard goes on from the selected node.
    selectionModel()->setCurrentIndex(indexFromItem(item), QItemSelectionModel::Select);
    scrollToItem(item);
}

void TreeBinding::mirrorDropHighlight() {
    if (dropTarget_ != nullptr)
        dropTarget_->setBackground(0, QBrush());
    const ui::TreeNode* target = control_.DropHighlight();
    dropTarget_ = target != nullptr ? itemOf(target->Index()) : nullptr;
    if (dropTarget_ != nullptr) {
        QColor highlight = palette().color(QPalette::Highlight);
        highlight.setAlpha(80);
        dropTarget_->setBackground(0, highlight);
    }
}

void TreeBinding::mirrorLabelEdit() {
    const ui::TreeNode* editing = control_.EditingNode();
    QTreeWidgetItem* item = editing != nullptr ? itemOf(editing->Index()) : nullptr;
    showLabelEdit(item != nullptr ? indexFromItem(item) : QModelIndex());
}

void TreeBinding::labelEditEnded(const QString& text) {
    control_.userEndLabelEdit(toStdString(text));
}

void TreeBinding::labelEditCancelled() {
    control_.userCancelLabelEdit();
}

// The widget has already drawn the row open or closed; the control may refuse, so the row is set back
// to the control's state afterwards.
void TreeBinding::userExpand(QTreeWidgetItem* item, bool expanded) {
    const int index = indexOf(item);
    if (index == 0)
        return;
    control_.userSetExpanded(index, expanded);
    if (itemOf(index) == item)
        mirrorExpanded(item, control_.Nodes(index).Expanded());
}

bool TreeBinding::onBranchIndicator(const QPoint& at) const {
    const QTreeWidgetItem* item = itemAt(at);
    return item != nullptr && at.x() < visualItemRect(item).left();
}

void TreeBinding::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && onBranchIndicator(at)) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    pressedItem_ = nullptr;
    if (event->button() == Qt::LeftButton && itemAt(at) != nullptr) {
        // A click is known only on release; moving far enough first makes it a drag instead.
        pressedItem_ = itemAt(at);
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
    if (event->button() == Qt::LeftButton && pressedItem_ == nullptr && onBranchIndicator(at)) {
        QTreeWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->button() == Qt::LeftButton && pressedItem_ != nullptr) {
        QTreeWidgetItem* pressed = std::exchange(pressedItem_, nullptr);
        if (itemAt(at) == pressed)
            control_.userClickNode(indexOf(pressed), pointOf(event->position()));
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        const int16_t button = event->button() == Qt::LeftButton ? ui::vbLeftButton : ui::vbRightButton;
        control_.userMouseUp(button, shiftMaskOf(event->modifiers()), pointOf(event->position()));
    }
}

// The first click of a double click has already selected the node; the second opens or closes it.
void TreeBinding::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || item == nullptr ||
        onBranchIndicator(event->position().toPoint())) {
        mousePressEvent(event);
        return;
    }
    event->accept();
    const int index = indexOf(item);
    if (item->childCount() > 0)
        control_.userSetExpanded(index, !control_.Nodes(index).Expanded());
    pressedItem_ = itemOf(index);
    pressPoint_ = event->position().toPoint();
}

void TreeBinding::mouseMoveEvent(QMouseEvent* event) {
    if (pressedItem_ == nullptr || !event->buttons().testFlag(Qt::LeftButton)) {
        if (event->buttons() == Qt::NoButton)
            QTreeWidget::mouseMoveEvent(event);
        return;
    }
    if ((event->position().toPoint() - pressPoint_).manhattanLength() >= QApplication::startDragDistance())
        dragNode(event->modifiers());
}

// The drag runs in a nested loop; the control decides in its drop handler what the drop does, and the
// tree changes only through the mirror.
void TreeBinding::dragNode(Qt::KeyboardModifiers modifiers) {
    QTreeWidgetItem* dragged = std::exchange(pressedItem_, nullptr);
    control_.userMouseDown(ui::vbLeftButton, shiftMaskOf(modifiers), pointOf(pressPoint_));
    control_.userStartDrag();
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(NodeDragFormat, {});
    drag->setMimeData(data);
    drag->setPixmap(dragged->icon(0).pixmap(iconSize()));
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

// Space selects the row that has the keyboard focus, as a click would.
void TreeBinding::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && currentItem() != nullptr && state() != EditingState) {
        const QPoint centre = visualItemRect(currentItem()).center();
        control_.userClickNode(indexOf(currentItem()), {centre.x(), centre.y()});
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TreeBinding::keyReleaseEvent(QKeyEvent* event) {
    const int16_t code = keyCodeOf(event->key());
    if (code != 0 && !event->isAutoRepeat())
        control_.userKeyUp(code, shiftMaskOf(event->modifiers()));
    QTreeWidget::keyReleaseEvent(event);
}

} // namespace skin
