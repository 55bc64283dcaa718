#include "qt/DisplayBinding.h"

#include "qt/Mirror.h"

namespace qt {

void bindDisplay(ui::TextBox& control, QLineEdit& widget) {
    widget.setObjectName(toQString(control.Name()));
    widget.setReadOnly(true);
    widget.setText(toQString(control.Text()));
    mirrorEnabledVisible(control, widget);
    connectWhileAlive(control.TextSet, &widget,
                      [&control, &widget] { widget.setText(toQString(control.Text())); });
}

} // namespace qt
