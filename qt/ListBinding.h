#pragma once

#include "qt/InPlaceEditing.h"
#include "qt/ListModel.h"
#include "ui/ListView.h"

#include <QListView>
#include <QTimer>

#include <string>

namespace qt {

// The list view widget of a headless list view. It mirrors the entries, their selection, the entry with the
// selection focus and the label edit; clicks, right clicks and keys go to the control, which alone
// decides what becomes selected.
class ListBinding : public InPlaceEditing<QListView> {
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
    void focusOutEvent(QFocusEvent* event) override;

    void labelEditEnded(const QString& text, bool byKey) override;
    void labelEditCancelled() override;

private:
    void resetEntries();
    void mirrorSelected(int index);
    void mirrorSelection(const ui::ListSelectionChange& change);
    void mirrorFocus();
    void mirrorLabelEdit();
    void clickRow(const QModelIndex& row, Qt::KeyboardModifiers modifiers);
    void popUpFromKeyboard();
    void slowClickEnded();

    ui::ListView& control_;
    ListModel model_;
    // A second, slow click on the one selected entry opens its name for editing when the interval ends,
    // unless a double click or another click comes first, or the list has lost the keyboard meanwhile:
    // the user has gone elsewhere, and an editor opening there would take what is typed.
    QTimer slowClick_;
    std::string slowClickKey_;
};

} // namespace qt
