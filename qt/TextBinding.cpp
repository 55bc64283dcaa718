#include "qt/TextBinding.h"

#include "qt/EditorText.h"
#include "qt/EditorWrap.h"
#include "qt/Mirror.h"

#include <QPointer>
#include <QSignalBlocker>

namespace qt {

namespace {

// Only the program writes here, never the user's typing (which stays in the widget), so writing without
// comparing cannot move the cursor under the user's hands. Each write starts a new document: its undo
// history begins empty, and nothing shown before can be brought back into another note or day.
void copyText(const ui::TextBox& control, QPlainTextEdit& widget) {
    const QSignalBlocker blocker(widget);
    widget.setPlainText(toQString(control.Text()));
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

} // namespace qt
