#pragma once

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QModelIndex>
#include <QString>

#include <optional>
#include <utility>

namespace skin {

// In-place editing of a row's text for a tree or list widget whose control decides when an edit starts
// and what becomes of the new text. The view never writes the edited text into its own item: the
// control takes it (or refuses it), and the item follows the control.
template <typename View> class InPlaceEditing : public View {
public:
    using View::View;

protected:
    // The user confirmed the text (Enter, or leaving the editor) or abandoned it (Escape).
    virtual void labelEditEnded(const QString& text) = 0;
    virtual void labelEditCancelled() = 0;

    // Follows the control: opens the editor on `index`, or with an invalid index closes an editor that
    // the control no longer has open.
    void showLabelEdit(const QModelIndex& index) {
        if (index.isValid()) {
            if (this->state() != QAbstractItemView::EditingState)
                this->QAbstractItemView::edit(index);
            return;
        }
        if (this->state() != QAbstractItemView::EditingState)
            return;
        closingForControl_ = true;
        // Editors already closed linger hidden until deleted; only the open one belongs to the view.
        for (QLineEdit* editor :
             this->viewport()->template findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
            if (editor->isVisible())
                View::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        }
        closingForControl_ = false;
    }

    void commitData(QWidget* editor) override {
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            committed_ = line->text();
    }

    // Escape closes the editor without committing; Enter and a loss of focus commit first.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        std::optional<QString> committed = std::exchange(committed_, std::nullopt);
        View::closeEditor(editor, hint);
        if (closingForControl_)
            return;
        if (committed)
            labelEditEnded(*committed);
        else
            labelEditCancelled();
    }

private:
    std::optional<QString> committed_;
    bool closingForControl_ = false;
};

} // namespace skin
