#include "qt/TreeModel.h"

#include "qt/Icons.h"
#include "qt/Mirror.h"
#include "qt/RowText.h"

#include <QColor>
#include <QPalette>

#include <utility>

namespace qt {

TreeModel::TreeModel(ui::TreeView& control, QObject* parent) : QAbstractItemModel(parent), control_(control) {
    connectWhileAlive(control_.NodeAboutToBeAdded, this, [this](const ui::TreeNode* parentNode) {
        const int row = static_cast<int>(parentNode != nullptr ? parentNode->Children().size()
                                                               : control_.Nodes.topLevel().size());
        beginInsertRows(indexOf(parentNode), row, row);
    });
    connectWhileAlive(control_.NodeAdded, this, [this](ui::TreeNode& node) {
        endInsertRows();
        // A node that came with a subtree below it: the view lays the tree out afresh once, instead of
        // searching its rows for each node of the subtree that it is then told to open.
        if (!node.Children().empty()) {
            emit layoutAboutToBeChanged();
            emit layoutChanged();
        }
    });
    connectWhileAlive(control_.SubtreeAboutToBeRemoved, this, [this](ui::TreeNode& top) {
        beginRemoveRows(indexOf(top.Parent()), top.Row(), top.Row());
        removing_ = true;
    });
    connectWhileAlive(control_.SubtreeRemoved, this, [this] {
        removing_ = false;
        endRemoveRows();
    });
    // A batch removal arrives as one removal per run of adjacent rows, so a moved or deleted subtree of
    // any size, or a whole emptied Trash, costs the view one update.
    connectWhileAlive(control_.RowsAboutToBeRemoved, this,
                      [this](const ui::TreeNode* parentNode, int first, int last) {
                          beginRemoveRows(indexOf(parentNode), first, last);
                          removing_ = true;
                      });
    connectWhileAlive(
        control_.RowsRemoved, this,
        [this] {
            removing_ = false;
            endRemoveRows();
        });
    connectWhileAlive(
        control_.NodeChanged, this, [this](ui::TreeNode& node) { nodeChanged(&node); });
    connectWhileAlive(control_.DropHighlightChanged, this, [this] { mirrorDropHighlight(); });
}

// A drop target removed with its subtree has no row left to repaint.
void TreeModel::mirrorDropHighlight() {
    const ui::TreeNode* previous = std::exchange(dropTarget_, control_.DropHighlight());
    if (removing_)
        return;
    nodeChanged(previous);
    nodeChanged(dropTarget_);
}

const std::vector<ui::TreeNode*>& TreeModel::childrenOf(const QModelIndex& parent) const {
    return parent.isValid() ? nodeOf(parent)->Children() : control_.Nodes.topLevel();
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    const std::vector<ui::TreeNode*>& children = childrenOf(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(children.size()))
        return {};
    return createIndex(row, 0, children[static_cast<std::size_t>(row)]);
}

QModelIndex TreeModel::parent(const QModelIndex& child) const {
    return child.isValid() ? indexOf(nodeOf(child)->Parent()) : QModelIndex();
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(childrenOf(parent).size());
}

int TreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

// The header is hidden, but a screen reader still meets its one column; it hears the column's name
// rather than the number a model reports by default.
QVariant TreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0)
        return QStringLiteral("Folder");
    return QAbstractItemModel::headerData(section, orientation, role);
}

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const ui::TreeNode& node = *nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return isolatedRun(node.Text());
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return toQString(node.Text());
    case Qt::DecorationRole:
        return nodeIcon(node.Image(), node.SelectedImage());
    case Qt::BackgroundRole:
        if (control_.DropHighlight() == &node) {
            QColor highlight = QPalette().color(QPalette::Highlight);
            highlight.setAlpha(80);
            return highlight;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

QModelIndex TreeModel::indexOf(const ui::TreeNode* node) const {
    return node != nullptr ? createIndex(node->Row(), 0, const_cast<ui::TreeNode*>(node)) : QModelIndex();
}

ui::TreeNode* TreeModel::nodeOf(const QModelIndex& index) {
    return static_cast<ui::TreeNode*>(index.internalPointer());
}

void TreeModel::nodeChanged(const ui::TreeNode* node) {
    if (removing_ || node == nullptr)
        return;
    const QModelIndex changed = indexOf(node);
    emit dataChanged(changed, changed);
}

} // namespace qt
