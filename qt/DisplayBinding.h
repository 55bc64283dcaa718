#pragma once

#include "ui/TextBox.h"

#include <QLineEdit>

namespace qt {

// Binds a read-only line to a headless text box that only the program writes: its text, Enabled and
// Visible follow the control. The user can select and copy the text but not change it.
void bindDisplay(ui::TextBox& control, QLineEdit& widget);

} // namespace qt
