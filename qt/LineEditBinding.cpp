#include "qt/LineEditBinding.h"

#include "qt/Mirror.h"

#include <QSignalBlocker>

namespace qt {

namespace {

// Writing the text the widget already shows would move the cursor to the end while the user types.
void copyText(const ui::TextBox& control, QLineEdit& widget) {
    const QString text = toQString(control.Text());
    if (widget.text() == text)
        return;
    const QSignalBlocker blocker(widget);
    widget.setText(text);
    // Setting the text leaves the cursor at its end; an answer is read from its start.
    if (widget.isReadOnly())
        widget.home(false);
}

} // namespace

void bindLineEdit(ui::TextBox& control, QLineEdit& widget) {
    widget.setObjectName(toQString(control.Name()));
    widget.setMaxLength(LongestLine);
    copyText(control, widget);
    mirrorEnabledVisible(control, widget);
    connectWhileAlive(
        control.TextSet, &widget, [&control, &widget] { copyText(control, widget); });
    QObject::connect(&widget, &QLineEdit::textEdited, &widget,
                     [&control](const QString& text) { control.userEdit(toStdString(text)); });
}

} // namespace qt
