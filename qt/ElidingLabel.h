#pragma once

#include <QLabel>
#include <QStringList>

namespace qt {

// A label that wraps its text as a word-wrapped label does, also inside words that are wider than the
// label, and ends the last line that fits with an ellipsis: a long calculator result, which holds no
// blanks, would otherwise be centred on one line and clipped at both ends, hiding its start. The full
// text stays the label's text, for the screen reader and for copying.
class ElidingLabel : public QLabel {
public:
    using QLabel::QLabel;

    // The lines as they are painted at the label's current size.
    QStringList shownLines() const;

    // However long the text, the label asks for no more room than a few words take.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qt
