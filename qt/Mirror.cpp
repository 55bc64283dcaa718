#include "qt/Mirror.h"

#include <QEvent>
#include <QTimer>

namespace qt {

namespace {

void copyEnabledVisible(const ui::Control& control, QWidget& widget) {
    widget.setEnabled(control.Enabled());
    // Qt ignores a repeated show or hide; a child shown before its window appears simply waits for it.
    widget.setVisible(control.Visible());
}

class FocusReporter : public QObject {
public:
    FocusReporter(ui::Control& control, QWidget& widget) : QObject(&widget), control_(control) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            control_.userGotFocus();
        return false;
    }

private:
    ui::Control& control_;
};

} // namespace

void mirrorEnabledVisible(ui::Control& control, QWidget& widget) {
    copyEnabledVisible(control, widget);
    connectWhileAlive(control.Changed, &widget, [&control, &widget] { copyEnabledVisible(control, widget); });
    new FocusReporter(control, widget);
    // Only a window asked for is raised: a control inside one takes the keyboard as the window's focus,
    // which it has at once in the active window and otherwise when the user comes back to it, so a step
    // run while the user works elsewhere (the date timer's) never pulls the window to the front.
    const bool isWindow = dynamic_cast<ui::Window*>(&control) != nullptr;
    connectWhileAlive(control.FocusRequested, &widget, [&widget, isWindow] {
        if (isWindow)
            widget.activateWindow();
        widget.setFocus(Qt::OtherFocusReason);
    });
}

void settleKeyboardAfterEachStep(ui::Window& window, QWidget& widget) {
    connectWhileAlive(
        window.KeyboardSettleRequested, &widget,
        [&window, &widget] {
            QTimer::singleShot(
                0, &widget, [&window] { window.settleKeyboard(); });
        });
}

} // namespace qt
