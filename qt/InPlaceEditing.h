#pragma once

#include "qt/Mirror.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QModelIndex>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <utility>

namespace qt {

// In-place editing of a row's text for a tree or list widget whose control (a ui::LabelEditing) decides
// when an edit starts and what becomes of the new text. The view never writes the edited text into its
// own item: the control takes it (or refuses it), and the item follows the control. Enter, Tab, Shift+Tab,
// Escape and leaving the editor go to the control as they are; an edit the control completes by itself
// closes the editor here and takes its text.
template <typename View, typename Control> class InPlaceEditing : public View {
public:
    InPlaceEditing(Control& control, QWidget* parent) : View(parent), editing_(control) {
        control.setEditorCloser([this] { return closeForControl(); });
        connectWhileAlive(control.FocusMoveRequested, this,
                          [this](bool forward) { this->focusNextPrevChild(forward); });
    }
    ~InPlaceEditing() override { editing_.setEditorCloser({}); }

protected:
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
        if (this->state() == QAbstractItemView::EditingState)
            closeForControl();
    }

    // A press on the view's own rows does not let the editor complete on losing the focus: the control
    // completes it with the press, so that it finds the row the press was aimed at before the edit
    // re-creates rows. Installed after the delegate's own filter, so it sees the editor's events first.
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
            editing_.userCancelLabelEdit();
            return;
        }
        std::string text = toStdString(*committed);
        if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem)
            editing_.userTabFromLabelEdit(std::move(text), hint == QAbstractItemDelegate::EditNextItem);
        else if (hint == QAbstractItemDelegate::NoHint)
            editing_.userEndLabelEdit(std::move(text));
        else
            editing_.userConfirmLabelEdit(std::move(text));
    }

private:
    // Closes the open editor without telling the control, which is ending the edit itself, and hands
    // over the text it held. The editor's delegate commits and closes it once more on losing the focus;
    // that is not the user's doing either.
    std::optional<std::string> closeForControl() {
        QLineEdit* editor = openEditor();
        if (editor == nullptr)
            return std::nullopt;
        std::string text = toStdString(editor->text());
        closingForControl_ = true;
        View::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        closingForControl_ = false;
        return text;
    }

    Control& editing_;
    std::optional<QString> committed_;
    bool closingForControl_ = false;
};

} // namespace qt
