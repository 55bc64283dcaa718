#include "qt/Accessibility.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QChildEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QSplitterHandle>
#include <QToolButton>

#include <algorithm>

namespace qt {

namespace {

constexpr char RoleProperty[] = "scrivletAccessibleRole";
constexpr char ValueTextProperty[] = "scrivletAccessibleValueText";

// A scroll bar read by its value text rather than by its number; its arrows are its two actions.
class ScrollBarWithValueText : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ScrollBarWithValueText(QScrollBar& bar) : QAccessibleWidget(&bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? bar().property(ValueTextProperty).toString()
                                          : QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return bar().value(); }
    void setCurrentValue(const QVariant& value) override { bar().setValue(value.toInt()); }
    QVariant maximumValue() const override { return bar().maximum(); }
    QVariant minimumValue() const override { return bar().minimum(); }
    QVariant minimumStepSize() const override { return bar().singleStep(); }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }
    void doAction(const QString& name) override {
        if (name == increaseAction())
            bar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (name == decreaseAction())
            bar().triggerAction(QAbstractSlider::SliderSingleStepSub);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QScrollBar& bar() const { return *static_cast<QScrollBar*>(widget()); }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (auto* bar = qobject_cast<QScrollBar*>(widget);
        bar != nullptr && bar->property(ValueTextProperty).isValid())
        return new ScrollBarWithValueText(*bar);
    const QVariant role = widget->property(RoleProperty);
    return role.isValid() ? new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()))
                          : nullptr;
}

// The editor a tree or list opens on a row to rename it is made by Qt when the edit starts; it is named
// as it is first shown.
class EditorNames : public QObject {
public:
    explicit EditorNames(QAbstractItemView& view) : QObject(&view) {
        view.viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ChildPolished)
            return false;
        auto* editor = qobject_cast<QLineEdit*>(static_cast<QChildEvent*>(event)->child());
        if (editor != nullptr && editor->accessibleName().isEmpty()) {
            editor->setAccessibleName(QStringLiteral("New name"));
            editor->setAccessibleDescription(QStringLiteral("Enter keeps the new name, Escape the old one"));
        }
        return false;
    }
};

// The accessible name of the nearest ancestor that has one; for a part, the widget it belongs to.
QString ownerName(const QWidget& part) {
    for (const QWidget* owner = part.parentWidget(); owner != nullptr; owner = owner->parentWidget())
        if (!owner->accessibleName().isEmpty())
            return owner->accessibleName();
    return QStringLiteral("Scrivlet");
}

// The scroll area a scroll bar, its container or a viewport belongs to: the view a user knows.
QString scrollAreaName(const QWidget& part) {
    for (const QWidget* owner = part.parentWidget(); owner != nullptr; owner = owner->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(owner) != nullptr)
            return owner->accessibleName();
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
    for (QWidget* widget : root.findChildren<QWidget*>())
        if (widget->accessibleName().isEmpty())
            widget->setAccessibleName(partName(*widget));
    // A part of the window may be named again once more of it is built.
    const auto named = [](const QAbstractItemView& view) {
        const QObjectList& children = view.children();
        return std::any_of(children.begin(), children.end(),
                           [](const QObject* child) { return dynamic_cast<const EditorNames*>(child); });
    };
    for (QAbstractItemView* view : root.findChildren<QAbstractItemView*>())
        if (!named(*view))
            new EditorNames(*view);
}

// Setting a widget's name already made Qt's interface for it; it is dropped, so that the next question
// gets the one `interfaceFor` makes. This happens while the widget is built, before anyone reads it.
void reinterpret(QWidget& widget, const char* property, const QVariant& value) {
    QAccessible::installFactory(interfaceFor);
    const bool first = !widget.property(property).isValid();
    widget.setProperty(property, value);
    if (first)
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&widget)));
}

void setAccessibleRole(QWidget& widget, QAccessible::Role role) {
    reinterpret(widget, RoleProperty, static_cast<int>(role));
}

void setAccessibleValueText(QScrollBar& bar, const QString& text) {
    const bool changed = bar.property(ValueTextProperty).toString() != text;
    reinterpret(bar, ValueTextProperty, text);
    if (changed) {
        QAccessibleValueChangeEvent event(&bar, bar.value());
        QAccessible::updateAccessibility(&event);
    }
}

QList<QWidget*> tabStopsIn(QWidget& panel) {
    QList<QWidget*> stops;
    QWidget* start = panel.window();
    for (QWidget* widget = start->nextInFocusChain(); widget != start; widget = widget->nextInFocusChain())
        if (panel.isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            stops << widget;
    return stops;
}

void setTabStops(const QList<QWidget*>& stops) {
    for (qsizetype index = 1; index < stops.size(); ++index)
        QWidget::setTabOrder(stops[index - 1], stops[index]);
}

} // namespace qt
