#pragma once

#include "ui/TextBox.h"

#include <QLineEdit>

namespace skin {

// Binds a line edit to a headless text box: the control's text, Enabled and Visible are copied into the
// widget, and every edit the user makes hands the new text to the control.
void bindLineEdit(ui::TextBox& control, QLineEdit& widget);

} // namespace skin
