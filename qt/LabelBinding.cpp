#include "qt/LabelBinding.h"

#include "qt/Mirror.h"

#include <QEvent>
#include <QMouseEvent>

namespace qt {

namespace {

// Turns a left click on a widget without a clicked signal into the control's click. Both halves of the
// click are consumed, so a label inside a clickable frame does not click the frame as well.
class ClickForwarder : public QObject {
public:
    ClickForwarder(ui::Label& control, QWidget& widget) : QObject(&widget), control_(control) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonRelease &&
            widget->rect().contains(mouse->position().toPoint()))
            control_.userClick();
        return true;
    }

private:
    ui::Label& control_;
};

void bindState(ui::Label& control, QWidget& widget) {
    widget.setObjectName(toQString(control.Name()));
    mirrorEnabledVisible(control, widget);
}

} // namespace

void bindLabel(ui::Label& control, QLabel& widget) {
    bindState(control, widget);
    widget.setTextFormat(Qt::PlainText);
    widget.setText(toQString(control.Caption()));
    connectWhileAlive(control.Changed, &widget,
                      [&control, &widget] { widget.setText(toQString(control.Caption())); });
    new ClickForwarder(control, widget);
}

void bindButton(ui::CommandButton& control, QAbstractButton& widget) {
    bindState(control, widget);
    widget.setText(toQString(control.Caption()));
    connectWhileAlive(
        control.Changed, &widget, [&control, &widget] { widget.setText(toQString(control.Caption())); });
    QObject::connect(&widget, &QAbstractButton::clicked, &widget, [&control] { control.userClick(); });
}

void bindPicture(ui::PictureBox& control, QFrame& widget) {
    bindState(control, widget);
    new ClickForwarder(control, widget);
}

void bindBackground(ui::CommandButton& control, QWidget& widget) {
    bindState(control, widget);
    new ClickForwarder(control, widget);
}

} // namespace qt
