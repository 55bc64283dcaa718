#include "qt/SchedulerPanelView.h"

#include "qt/Accessibility.h"
#include "qt/DisplayBinding.h"
#include "qt/LabelBinding.h"
#include "qt/ListBinding.h"
#include "qt/ScrollBarBinding.h"
#include "qt/TextBinding.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace qt {

namespace {

QPushButton* button(ui::CommandButton& control, const QString& accessibleName, QWidget* parent) {
    auto* widget = new QPushButton(parent);
    widget->setAccessibleName(accessibleName);
    bindButton(control, *widget);
    return widget;
}

QWidget* background(ui::CommandButton& control, QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setAccessibleName(QStringLiteral("Scheduler panel background"));
    bindBackground(control, *widget);
    return widget;
}

} // namespace

void buildSchedulerPanel(app::MainControls& controls, QWidget& panel) {
    auto* content = new QWidget(&panel);
    content->setObjectName(QStringLiteral("schedulerContent"));
    content->setAccessibleName(QStringLiteral("Scheduler"));

    auto* display = new QLineEdit(content);
    display->setAlignment(Qt::AlignCenter);
    display->setAccessibleName(QStringLiteral("Month shown"));
    display->setAccessibleDescription(
        QStringLiteral("The month the list shows; empty while it lists every note"));
    bindDisplay(controls.dDateWinDisplay, *display);

    auto* scroller = new QScrollBar(Qt::Horizontal, content);
    scroller->setAccessibleName(QStringLiteral("Previous or next month"));
    scroller->setToolTip(QStringLiteral("Previous or next month"));
    scroller->setAccessibleDescription(QStringLiteral("The arrow keys move a month back or forth"));
    bindScrollBar(controls.dDateWinScroller, *scroller);
    // The bar rests in the middle after every move, so its number says nothing; what it leads to is the
    // month then shown.
    const auto announceMonth = [scroller](const QString& month) {
        setAccessibleValueText(*scroller, month.isEmpty() ? QStringLiteral("All days with a note") : month);
    };
    announceMonth(display->text());
    QObject::connect(display, &QLineEdit::textChanged, scroller, announceMonth);

    QPushButton* today = button(controls.dDateWinButton, QStringLiteral("Today"), content);
    today->setAccessibleDescription(QStringLiteral("Shows the current month with today's note open"));
    QPushButton* all = button(controls.dDateWinAll, QStringLiteral("All days with a note"), content);
    all->setToolTip(QStringLiteral("All days with a note, or back to the month"));
    all->setAccessibleDescription(all->toolTip());

    auto* list = new ListBinding(controls.dBackWinDateList, content);
    list->setAccessibleName(QStringLiteral("Days"));
    list->setAccessibleDescription(QStringLiteral("Select a day to open its note below"));

    auto* editor = new QPlainTextEdit(content);
    editor->setAccessibleName(QStringLiteral("Note of the day"));
    editor->setAccessibleDescription(QStringLiteral("What you type is kept for the selected day"));
    editor->setTabChangesFocus(true);
    bindTextBox(controls.dDateWinText, *editor);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(today);
    buttons->addWidget(all);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(6, 6, 6, 6);
    column->addWidget(display);
    column->addWidget(scroller);
    column->addLayout(buttons);
    column->addWidget(list, 3);
    column->addWidget(editor, 2);

    // Both fill the one cell; the content, added last, lies on top of the background.
    auto* stack = new QGridLayout(&panel);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(background(controls.dDateWinBackButton, &panel), 0, 0);
    stack->addWidget(content, 0, 0);
    content->raise();
}

} // namespace qt
