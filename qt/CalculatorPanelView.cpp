#include "qt/CalculatorPanelView.h"

#include "calc/MODULCalc.h"
#include "qt/LineEditBinding.h"
#include "qt/ListBoxBinding.h"
#include "qt/TextBinding.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace qt {

namespace {

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// The information lines read as a table, so each keeps its line. Where the panel is narrower than the
// longest of them, they are shown in a smaller size, down to one still comfortable to read; below that
// (a small screen, a large scale) they keep the panel's size and break between words, in a box grown to
// hold every line, so nothing is cut and nothing scrolls. The size is fitted while the box is shown: each
// size tried loads a font, which the start-up, filling the hidden panel, would otherwise pay for.
class WholeLines : public QObject {
public:
    explicit WholeLines(QPlainTextEdit& box) : QObject(&box), box_(box) {
        box.setLineWrapMode(QPlainTextEdit::NoWrap);
        // The box always holds every line whole, so there is nothing to scroll to.
        box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        box.setFixedHeight(heightFor(3, box.font()));
        box.viewport()->installEventFilter(this);
        connect(box.document(), &QTextDocument::contentsChanged, this, &WholeLines::fit);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            fit();
        return false;
    }

private:
    static constexpr qreal SmallestPointSize = 7;

    void fit() {
        if (!box_.isVisible())
            return;
        const QStringList lines = box_.toPlainText().split(u'\n');
        const qreal room = box_.viewport()->width() - 2 * box_.document()->documentMargin();
        QFont font = box_.parentWidget()->font();
        while (font.pointSizeF() > SmallestPointSize && widest(lines, font) > room)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        const bool wrapped = widest(lines, font) > room;
        if (wrapped)
            font = box_.parentWidget()->font();
        if (font != box_.font())
            box_.setFont(font);
        box_.setLineWrapMode(wrapped ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        box_.setFixedHeight(heightFor(wrapped ? shownLines(lines, font, room) : int(lines.size()), font));
    }

    int heightFor(int lines, const QFont& font) const {
        return std::ceil(QFontMetricsF(font).lineSpacing() * lines + 2 * box_.document()->documentMargin()) +
               2 * box_.frameWidth();
    }

    static int shownLines(const QStringList& lines, const QFont& font, qreal room) {
        int count = 0;
        for (const QString& line : lines) {
            QTextLayout layout(line, font);
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine shown = layout.createLine(); shown.isValid(); shown = layout.createLine()) {
                shown.setLineWidth(room);
                ++count;
            }
            layout.endLayout();
        }
        return count;
    }

    static qreal widest(const QStringList& lines, const QFont& font) {
        const QFontMetricsF metrics(font);
        qreal width = 0;
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    }

    QPlainTextEdit& box_;
};

} // namespace

void buildCalculatorPanel(app::MainControls& controls, QWidget& panel) {
    auto* input = new QLineEdit(&panel);
    input->setAccessibleName(QStringLiteral("Term"));
    input->setAccessibleDescription(
        QStringLiteral("Evaluated on every keystroke; type help for the calculator's own help"));
    input->setPlaceholderText(QStringLiteral("Type a term, e.g. 1+2*3"));
    bindLineEdit(controls.cCalcWinInput, *input);

    // The result is there to be read and copied; the Term is what the user edits.
    auto* result = new QLineEdit(&panel);
    result->setAccessibleName(QStringLiteral("Result"));
    result->setAccessibleDescription(QStringLiteral("The answer to the term, to read and copy"));
    result->setReadOnly(true);
    bindLineEdit(controls.cCalcWinResult, *result);

    auto* varList = new ListBoxBinding(controls.cCalcWinVarList, &panel);
    varList->setAccessibleName(QStringLiteral("Variable slots"));
    varList->setToolTip(QStringLiteral("Double click to edit a slot; right click for more"));
    varList->setAccessibleDescription(
        QStringLiteral(
            "The %1 slots a term reads with var(n); double click to edit a slot, right click for more")
            .arg(MODULCalc::VariableSlots));

    auto* info = new QPlainTextEdit(&panel);
    info->setAccessibleName(QStringLiteral("Calculator information"));
    info->setAccessibleDescription(
        QStringLiteral("The characters, functions and operators the calculator knows"));
    info->setReadOnly(true);
    info->setTabChangesFocus(true);
    bindTextBox(controls.cCalcWinInfo, *info);
    new WholeLines(*info);

    auto* layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(caption(QStringLiteral("&Term"), input, &panel));
    layout->addWidget(input);
    layout->addWidget(caption(QStringLiteral("Result"), result, &panel));
    layout->addWidget(result);
    layout->addWidget(caption(QStringLiteral("&Variables"), varList, &panel));
    layout->addWidget(varList, 1);
    layout->addWidget(info);
}

} // namespace qt
