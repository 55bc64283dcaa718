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

    // Whole words: lines break only between words, and a word wider than the label shrinks the font
    // until it fits, down to a size still comfortable to read, instead of being broken inside.
    void setWholeWords(bool wholeWords) { wholeWords_ = wholeWords; }

    // The lines as they are painted at the label's current size, and the font they are painted in.
    QStringList shownLines() const;
    QFont shownFont() const;

    // However long the text, the label asks for no more room than a few words take.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr qreal SmallestPointSize = 6;
    bool wholeWords_ = false;
};

} // namespace qt
