#pragma once

#include <QAccessible>
#include <QList>
#include <QScrollBar>
#include <QWidget>

namespace qt {

// Names the parts Qt builds inside the skin's widgets (scroll bars, viewports, splitter handles, headers,
// menus) after the widget they belong to, so that a screen reader meets no nameless widget. The widgets
// the skin builds itself get their names, and descriptions, where they are built.
void nameInnerParts(QWidget& root);

// The role a screen reader announces for `widget`, where Qt's guess from its class says the wrong thing:
// a frame holding a panel is a pane rather than a border, a window of its own a dialog rather than a
// filler. Set it before anything asks the widget for its accessibility.
void setAccessibleRole(QWidget& widget, QAccessible::Role role);

// What a screen reader reads as the scroll bar's value, for a bar whose number means nothing by itself.
// Changing it is announced as a change of the value.
void setAccessibleValueText(QScrollBar& bar, const QString& text);

// The widgets inside `panel` that Tab stops at, in the order of the window's focus chain.
QList<QWidget*> tabStopsIn(QWidget& panel);

// Makes Tab visit `stops` in the order given; hidden and disabled ones are passed over as usual.
void setTabStops(const QList<QWidget*>& stops);

} // namespace qt
