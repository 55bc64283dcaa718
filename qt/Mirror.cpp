#include "qt/Mirror.h"

namespace qt {

namespace {

void copyEnabledVisible(const ui::Control& control, QWidget& widget) {
    widget.setEnabled(control.Enabled());
    // Qt ignores a repeated show or hide; a child shown before its window appears simply waits for it.
    widget.setVisible(control.Visible());
}

} // namespace

void mirrorEnabledVisible(ui::Control& control, QWidget& widget) {
    copyEnabledVisible(control, widget);
    connectWhileAlive(control.Changed, &widget, [&control, &widget] { copyEnabledVisible(control, widget); });
}

} // namespace qt
