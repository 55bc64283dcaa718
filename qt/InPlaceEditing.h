#pragma once

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QModelIndex>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>
#include <utility>

namespace qt {

// A view whose name editor a command can complete before it runs.
class CompletesLabelEdit {
public:
    // Ends an open edit as leaving the editor would: the control takes (or refuses) the typed name.
    virtual void completeLabelEdit() = 0;

protected:
    ~CompletesLabelEdit() = default;
};

// A command chosen while a name is being typed would otherwise act on a list or tree that still shows
// the old name, and a refill by the command would drop the typed one.
inline void completeLabelEdits(const QWidget& window) {
    for (QAbstractItemView* view : window.findChildren<QAbstractItemView*>())
        if (auto* editing = dynamic_cast<CompletesLabelEdit*>(view))
            editing->completeLabelEdit();
}

// In-place editing of a row's text for a tree or list widget whose control decides when an edit starts
// and what becomes of the new text. The view never writes the edited text into its own item: the
// control takes it (or refuses it), and the item follows the control.
//
// Tab and Shift+Tab complete the edit as Enter does and move the keyboard on to the next control, as Tab
// does elsewhere; no editor opens on another row by itself. A press on the view's own rows does not let
// the editor complete on losing the focus: the press completes it, so that it can find the row it was
// aimed at before the edit re-creates rows.
template <typename View> class InPlaceEditing : public View, public CompletesLabelEdit {
public:
    using View::View;

    void completeLabelEdit() override {
        if (QLineEdit* editor = openEditor()) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }

protected:
    // The user confirmed the text (Enter or Tab: `byKey`; or by leaving the editor) or abandoned it
    // (Escape).
    virtual void labelEditEnded(const QString& text, bool byKey) = 0;
    virtual void labelEditCancelled() = 0;

    QLineEdit* openEditor() const {
        // Editors already closed linger hidden until deleted; only the open one belongs to the view.
        for (QLineEdit* editor :
             this->viewport()->template findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    // Follows the control: opens the editor on `index`, or with an invalid index closes an editor that
    // the control no longer has open.
    void showLabelEdit(const QModelIndex& index) {
        if (index.isValid()) {
            if (this->state() != QAbstractItemView::EditingState) {
                this->QAbstractItemView::edit(index);
                if (QLineEdit* editor = openEditor())
                    editor->installEventFilter(this);
            }
            return;
        }
        if (this->state() != QAbstractItemView::EditingState)
            return;
        closingForControl_ = true;
        if (QLineEdit* editor = openEditor())
            View::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        closingForControl_ = false;
    }

    // Installed after the delegate's own filter, so it sees the editor's events first.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut && watched == openEditor() &&
            static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason &&
            QApplication::focusWidget() == this)
            return true;
        return View::eventFilter(watched, event);
    }

    void commitData(QWidget* editor) override {
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            committed_ = line->text();
    }

    // Escape closes the editor without committing; Enter, Tab and a loss of focus commit first.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        std::optional<QString> committed = std::exchange(committed_, std::nullopt);
        View::closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (closingForControl_)
            return;
        if (!committed) {
            labelEditCancelled();
            return;
        }
        const bool tabbed =
            hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
        // The keyboard moves on first, so that a control that sends it elsewhere has the last word.
        if (tabbed)
            this->focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        labelEditEnded(*committed, hint != QAbstractItemDelegate::NoHint);
    }

private:
    std::optional<QString> committed_;
    bool closingForControl_ = false;
};

} // namespace qt
