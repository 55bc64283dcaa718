#pragma once

#include "ui/TextBox.h"

#include <QLineEdit>

#include <limits>

namespace qt {

// A line edit cuts its text at 32767 characters unless told otherwise; the calculator takes Terms and
// slot texts of any length, so its lines, and the dialog that edits a slot, take as many as Qt can hold.
inline constexpr int LongestLine = std::numeric_limits<int>::max();

// Binds a line edit to a headless text box: the control's text, Enabled and Visible are copied into the
// widget, and every edit the user makes hands the new text to the control.
void bindLineEdit(ui::TextBox& control, QLineEdit& widget);

} // namespace qt
