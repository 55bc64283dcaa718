#pragma once

#include "qt/InPlaceEditing.h"
#include "qt/TreeModel.h"
#include "ui/TreeView.h"

#include <QPersistentModelIndex>
#include <QPoint>
#include <QTreeView>

namespace qt {

// The tree view widget of a headless tree view. It mirrors the nodes (over TreeModel), the selection,
// the expanded state, the drop target and the label edit of the control, and passes every mouse and key
// gesture to the control instead of acting on it: the widget never selects, edits or moves a node by
// itself.
class TreeBinding : public InPlaceEditing<QTreeView> {
public:
    TreeBinding(ui::TreeView& control, QWidget* parent);
    ~TreeBinding() override;

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

    void labelEditEnded(const QString& text, bool byKey) override;
    void labelEditCancelled() override;

private:
    int nodeIndexAt(const QPoint& at) const;
    void mirrorExpanded(const ui::TreeNode& node);
    void mirrorSelection();
    void mirrorLabelEdit();
    void userExpand(const QModelIndex& row, bool expanded);
    bool onBranchIndicator(const QPoint& at) const;
    void clickRow(const QModelIndex& row);
    void startNodeDrag(const QPoint& at, Qt::KeyboardModifiers modifiers);
    void dragOver(const QPoint& at, Qt::KeyboardModifiers modifiers);
    void endNodeDrag();
    void popUpFromKeyboard();

    ui::TreeView& control_;
    TreeModel model_;
    // A left press on a row that has not yet become a click (on release) or a drag (on moving).
    QPersistentModelIndex pressedRow_;
    QPoint pressPoint_;
    // The press ended a rename, which may have moved the pressed row from under the pointer: its release
    // clicks the pressed row wherever it now stands.
    bool pressEndedEdit_ = false;
    // A folder is being dragged: from the first move past the drag distance to the drop or Escape.
    bool dragging_ = false;
};

} // namespace qt
