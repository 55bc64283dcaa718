#include "qt/TextBinding.h"

#include "qt/EditorText.h"
#include "qt/EditorWrap.h"
#include "qt/Mirror.h"

#include <QPointer>
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

// The widget owns the text while the user types: a keystroke only tells the control that the text was
// modified, and the control reads the widget when the program asks for the text.
void bindTextBox(ui::TextBox& control, QPlainTextEdit& widget) {
    widget.setObjectName(toQString(control.Name()));
    wrapLongParagraphsAnywhere(widget);
    copyText(control, widget);
    mirrorEnabledVisible(control, widget);
    connectWhileAlive(control.TextSet, &widget, [&control, &widget] { copyText(control, widget); });
    control.setTextSource([guard = QPointer<QPlainTextEdit>(&widget)]() -> std::optional<std::string> {
        if (!guard)
            return std::nullopt;
        return storedText(*guard);
    });
    QObject::connect(&widget, &QPlainTextEdit::textChanged, &widget, [&control] { control.userModified(); });
}

} // namespace skin
