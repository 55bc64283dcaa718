#pragma once

#include <QList>
#include <QWidget>

namespace skin {

// Names the parts Qt builds inside the skin's widgets (scroll bars, viewports, splitter handles, headers,
// menus) after the widget they belong to, so that a screen reader meets no nameless widget. The widgets
// the skin builds itself get their names, and descriptions, where they are built.
void nameInnerParts(QWidget& root);

// The widgets inside `panel` that Tab stops at, in the order of the window's focus chain.
QList<QWidget*> tabStopsIn(QWidget& panel);

// Makes Tab visit `stops` in the order given; hidden and disabled ones are passed over as usual.
void setTabStops(const QList<QWidget*>& stops);

} // namespace skin
