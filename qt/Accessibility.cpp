#include "qt/Accessibility.h"

#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QSplitterHandle>
#include <QToolButton>

namespace skin {

namespace {

// The accessible name of the nearest ancestor that has one; for a part, the widget it belongs to.
QString ownerName(const QWidget& part) {
    for (const QWidget* owner = part.parentWidget(); owner != nullptr; owner = owner->parentWidget()) {
        if (!owner->accessibleName().isEmpty())
            return owner->accessibleName();
    }
    return QStringLiteral("Scrivlet");
}

// The scroll area a scroll bar, its container or a viewport belongs to: the view a user knows.
QString scrollAreaName(const QWidget& part) {
    for (const QWidget* owner = part.parentWidget(); owner != nullptr; owner = owner->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(owner) != nullptr)
            return owner->accessibleName();
    }
    return ownerName(part);
}

// A splitter handle sits before the widget of the same index and moves the border with the one before.
QString handleName(const QSplitterHandle& handle) {
    const QSplitter* splitter = handle.splitter();
    for (int index = 1; index < splitter->count(); ++index) {
        if (splitter->handle(index) == &handle)
            return QStringLiteral("Border between %1 and %2")
                .arg(splitter->widget(index - 1)->accessibleName(),
                     splitter->widget(index)->accessibleName());
    }
    return QStringLiteral("%1 border").arg(ownerName(handle));
}

QString partName(const QWidget& part) {
    if (const auto* bar = qobject_cast<const QScrollBar*>(&part))
        return QStringLiteral("%1 %2 scroll bar")
            .arg(scrollAreaName(part), bar->orientation() == Qt::Vertical ? QStringLiteral("vertical")
                                                                          : QStringLiteral("horizontal"));
    if (const auto* handle = qobject_cast<const QSplitterHandle*>(&part))
        return handleName(*handle);
    if (const auto* menu = qobject_cast<const QMenu*>(&part)) {
        // The menu bar's own untitled menu holds the menus that do not fit when the window is narrow.
        if (menu->title().isEmpty())
            return qobject_cast<QMenuBar*>(part.parentWidget()) != nullptr
                       ? QStringLiteral("More menus")
                       : QStringLiteral("%1 menu").arg(ownerName(part));
        // The title carries the access key; "&&" stands for one ampersand.
        return menu->title().remove(QRegularExpression(QStringLiteral("&(?!&)")));
    }
    if (qobject_cast<const QMenuBar*>(&part) != nullptr)
        return QStringLiteral("Menu bar");
    if (qobject_cast<const QHeaderView*>(&part) != nullptr)
        return QStringLiteral("%1 header").arg(ownerName(part));
    if (qobject_cast<const QToolButton*>(&part) != nullptr && qobject_cast<QMenuBar*>(part.parentWidget()))
        return QStringLiteral("More menus");
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(part.parentWidget())) {
        if (area->viewport() == &part)
            return QStringLiteral("%1 contents").arg(scrollAreaName(part));
        return QStringLiteral("%1 scroll bars").arg(scrollAreaName(part));
    }
    return {};
}

} // namespace

void nameInnerParts(QWidget& root) {
    // A menu bar creates its overflow menu when it is first laid out; lay it out now, so that the menu
    // exists to be named with the rest.
    for (QMenuBar* bar : root.findChildren<QMenuBar*>())
        bar->sizeHint();
    // Parents come before their children, so a part named here can lend its name to a part inside it.
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (widget->accessibleName().isEmpty())
            widget->setAccessibleName(partName(*widget));
    }
}

QList<QWidget*> tabStopsIn(QWidget& panel) {
    QList<QWidget*> stops;
    QWidget* start = panel.window();
    for (QWidget* widget = start->nextInFocusChain(); widget != start; widget = widget->nextInFocusChain()) {
        if (panel.isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            stops << widget;
    }
    return stops;
}

void setTabStops(const QList<QWidget*>& stops) {
    for (qsizetype index = 1; index < stops.size(); ++index)
        QWidget::setTabOrder(stops[index - 1], stops[index]);
}

} // namespace skin
