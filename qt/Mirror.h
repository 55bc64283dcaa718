#pragma once

#include "ui/Control.h"
#include "ui/Signal.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>
#include <utility>

namespace qt {

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

// Headless signals have no disconnect, so every handler the skin connects checks that its widget still
// exists: the form outlives the window it is shown in.
template <typename... Args, typename Handler>
void connectWhileAlive(ui::Signal<Args...>& signal, QObject* receiver, Handler handler) {
    signal.connect([guard = QPointer<QObject>(receiver), handler = std::move(handler)](Args... args) {
        if (guard)
            handler(args...);
    });
}

// Copies Enabled and Visible of a control into its widget, now and after every change. The widget must
// already have its parent, or a visible control would open it as a window of its own.
void mirrorEnabledVisible(ui::Control& control, QWidget& widget);

} // namespace qt
