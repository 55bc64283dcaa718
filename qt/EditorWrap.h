#pragma once

#include <QPlainTextEdit>

namespace qt {

// Text wraps at word boundaries, and a word wider than the box breaks where the box ends. Qt finds that
// break by reading to the end of the word again for every line, so one unbroken paragraph of a million
// characters (a base64 blob, minified JSON) costs minutes. A text holding a paragraph longer than
// LongParagraph characters therefore wraps anywhere, which lays out in one pass. The choice is made for
// the whole text, as the widget has one wrap mode: afresh when a text is shown, and as typing or a paste
// adds a long paragraph; a text that loses its long paragraphs keeps wrapping anywhere until it is shown
// again, so that a keystroke never has to read the whole text.
void wrapLongParagraphsAnywhere(QPlainTextEdit& editor);

inline constexpr int LongParagraph = 4000;

} // namespace qt
