#include "qt/ScrollBarBinding.h"

#include "qt/Mirror.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace qt {

namespace {

// How the keyboard uses the bar. A Qt scroll bar inverts its keys (Left steps toward the maximum), which
// suits a bar that scrolls a page by wheel; here Left and Right step the way the bar's arrows point. And
// a Qt scroll bar draws no focus, since it is usually passed over by Tab; this one is a stop of its own,
// so it draws the style's focus frame over itself.
class KeyboardUse : public QObject {
public:
    explicit KeyboardUse(QScrollBar& bar) : QObject(&bar), bar_(bar) { bar.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            return paintWithFocus(event);
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        const bool back = (key == Qt::Key_Left) != (bar_.layoutDirection() == Qt::RightToLeft);
        bar_.triggerAction(back ? QAbstractSlider::SliderSingleStepSub
                                : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }

private:
    bool paintWithFocus(QEvent* event) {
        if (painting_ || !bar_.hasFocus())
            return false;
        painting_ = true;
        QCoreApplication::sendEvent(&bar_, event);
        painting_ = false;
        QPainter painter(&bar_);
        QStyleOptionFocusRect frame;
        frame.initFrom(&bar_);
        frame.rect = bar_.rect().adjusted(1, 1, -1, -1);
        bar_.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, &bar_);
        return true;
    }

    QScrollBar& bar_;
    bool painting_ = false;
};

void copyValue(const ui::HScrollBar& control, QScrollBar& widget) {
    if (widget.value() == control.Value())
        return;
    const QSignalBlocker blocker(widget);
    widget.setValue(control.Value());
}

} // namespace

void bindScrollBar(ui::HScrollBar& control, QScrollBar& widget) {
    widget.setObjectName(toQString(control.Name()));
    widget.setOrientation(Qt::Horizontal);
    widget.setRange(control.Min(), control.Max());
    widget.setSingleStep(1);
    widget.setPageStep(1);
    widget.setFocusPolicy(Qt::StrongFocus);
    // One change per step the user makes. A program may answer a change by setting the value back, and
    // with tracking a drag would go on reporting the positions after that answer, one change each.
    widget.setTracking(false);
    new KeyboardUse(widget);
    copyValue(control, widget);
    mirrorEnabledVisible(control, widget);
    connectWhileAlive(
        control.Changed, &widget, [&control, &widget] { copyValue(control, widget); });
    QObject::connect(&widget, &QScrollBar::valueChanged, &widget,
                     [&control](int value) { control.userSetValue(value); });
}

} // namespace qt
