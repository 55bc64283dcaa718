#include "qt/TextBinding.h"

#include "qt/Mirror.h"

#include <QSignalBlocker>

namespace skin {

namespace {

// Writing the text the widget already shows would put the cursor back to the start while the user types.
void copyText(const ui::TextBox& control, QPlainTextEdit& widget) {
    const QString text = toQString(control.Text());
    if (widget.toPlainText() == text)
        return;
    const QSignalBlocker blocker(widget);
    widget.setPlainText(text);
}

} // namespace

void bindTextBox(ui::TextBox& control, QPlainTextEdit& widget) {
    widget.setObjectName(toQString(control.Name()));
    copyText(control, widget);
    mirrorEnabledVisible(control, widget);
    connectWhileAlive(control.Changed, &widget, [&control, &widget] { copyText(control, widget); });
    QObject::connect(&widget, &QPlainTextEdit::textChanged, &widget, [&control, &widget] {
        control.userEdit(toStdString(widget.toPlainText()));
        // A control that refused the edit keeps its text, and so must the widget.
        copyText(control, widget);
    });
}

} // namespace skin
