#pragma once

#include "ui/TextBox.h"

#include <QPlainTextEdit>

namespace qt {

// Binds a multi-line text widget to a headless text box: the control's text, Enabled and Visible are
// copied into the widget, and every edit the user makes hands the whole new text to the control.
void bindTextBox(ui::TextBox& control, QPlainTextEdit& widget);

} // namespace qt
