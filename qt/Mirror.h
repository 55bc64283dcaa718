#pragma once

#include "ui/Control.h"
#include "ui/Signal.h"
#include "ui/Window.h"

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

// Copies Enabled and Visible of a control into its widget, now and after every change, and carries the
// keyboard both ways: the widget taking it is reported to the control, and the control's request moves
// it to the widget. The widget must already have its parent, or a visible control would open it as a
// window of its own.
void mirrorEnabledVisible(ui::Control& control, QWidget& widget);

// Lets `window` settle its keyboard once the step that asked has ended and Qt is back in its event loop.
void settleKeyboardAfterEachStep(ui::Window& window, QWidget& widget);

} // namespace qt
