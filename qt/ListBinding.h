#pragma once

#include "qt/InPlaceEditing.h"
#include "qt/ListModel.h"
#include "ui/ListView.h"

#include <QListView>
#include <QTimer>

namespace qt {

// The list view widget of a headless list view. It mirrors the entries, their selection, the entry with the
// selection focus and the label edit; presses, releases, keys, the loss of the keyboard and the end of the
// double-click interval go to the control with the row they land on, and the control alone decides what
// becomes selected or edited.
class ListBinding : public InPlaceEditing<QListView, ui::ListView> {
public:
    ListBinding(ui::ListView& control, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void resetEntries();
    void mirrorSelected(int index);
    void mirrorSelection(const ui::ListSelectionChange& change);
    void mirrorFocus();
    void mirrorLabelEdit();
    ui::Hit hitAt(const QPoint& at) const;
    ui::Hit keyboardRow() const;

    ui::ListView& control_;
    ListModel model_;
    // Runs from every press, so that the control hears when a second, slow click has waited out the
    // double-click interval.
    QTimer doubleClickInterval_;
};

} // namespace qt
