#pragma once

#include "qt/InPlaceEditing.h"
#include "qt/TreeModel.h"
#include "ui/TreeView.h"

#include <QPoint>
#include <QTreeView>

namespace qt {

// The tree view widget of a headless tree view. It mirrors the nodes (over TreeModel), the selection,
// the expanded state, the drop target and the label edit of the control, and hands every mouse and key
// event to the control with the row it lands on: the widget never selects, edits or moves a node by
// itself.
class TreeBinding : public InPlaceEditing<QTreeView, ui::TreeView> {
public:
    TreeBinding(ui::TreeView& control, QWidget* parent);

    TreeModel& treeModel() { return model_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::Hit hitAt(const QPoint& at) const;
    ui::Hit keyboardRow() const;
    bool onMark(const QPoint& at) const;
    void mirrorExpanded(const ui::TreeNode& node);
    void mirrorSelection();
    void keepCurrentRow();
    void mirrorLabelEdit();
    void mirrorDragging();
    void userExpand(const QModelIndex& row, bool expanded);
    void autoScroll(const QPoint& at);
    void contextMenuKey();

    ui::TreeView& control_;
    TreeModel model_;
};

} // namespace qt
