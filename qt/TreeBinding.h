#pragma once

#include "qt/InPlaceEditing.h"
#include "ui/TreeView.h"

#include <QPoint>
#include <QTreeWidget>

#include <vector>

namespace skin {

// The tree widget of a headless tree view. It mirrors the nodes, the selection, the drop target and the
// label edit of the control, and passes every mouse and key gesture to the control instead of acting on
// it: the widget never selects, edits or moves a node by itself.
class TreeBinding : public InPlaceEditing<QTreeWidget> {
public:
    TreeBinding(ui::TreeView& control, QWidget* parent);
    ~TreeBinding() override;

    // The row of node `index` (1-based, as the control counts), and the other way round (0 for none).
    QTreeWidgetItem* itemOf(int index) const;
    int indexOf(const QTreeWidgetItem* item) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    void labelEditEnded(const QString& text) override;
    void labelEditCancelled() override;

private:
    void addNode(const ui::TreeNode& node);
    void removeNode(int index);
    void updateNode(const ui::TreeNode& node);
    void mirrorExpanded(QTreeWidgetItem* item, bool expanded);
    void mirrorSelection();
    void mirrorDropHighlight();
    void mirrorLabelEdit();
    void userExpand(QTreeWidgetItem* item, bool expanded);
    bool onBranchIndicator(const QPoint& at) const;
    void dragNode(Qt::KeyboardModifiers modifiers);

    ui::TreeView& control_;
    // items_[i - 1] shows node i; both keep insertion order, so removals shift them alike.
    std::vector<QTreeWidgetItem*> items_;
    QTreeWidgetItem* dropTarget_ = nullptr;
    // A left press on a row that has not yet become a click (on release) or a drag (on moving).
    QTreeWidgetItem* pressedItem_ = nullptr;
    QPoint pressPoint_;
};

} // namespace skin
