#pragma once

#include <QPlainTextEdit>

#include <string>

namespace qt {

// The text a multi-line widget shows, as the program keeps it: every paragraph break becomes one line
// feed and every other character stays as shown. The widget's own plain text would also turn a no-break
// space into a space and a line separator into a line feed, changing what the user typed.
std::string storedText(const QPlainTextEdit& editor);

} // namespace qt
