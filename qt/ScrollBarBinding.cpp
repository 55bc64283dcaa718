#include "qt/ScrollBarBinding.h"

#include "qt/Mirror.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace skin {

namespace {

// A Qt scroll bar inverts its keys (Left steps toward the maximum), which suits a bar that scrolls a
// page by wheel; here Left and Right step the way the bar's arrows point.
class ArrowKeys : public QObject {
public:
    explicit ArrowKeys(QScrollBar& bar) : QObject(&bar), bar_(bar) { bar.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
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
    QScrollBar& bar_;
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
    new ArrowKeys(widget);
    copyValue(control, widget);
    mirrorEnabledVisible(control, widget);
    connectWhileAlive(control.Changed, &widget, [&control, &widget] { copyValue(control, widget); });
    QObject::connect(&widget, &QScrollBar::valueChanged, &widget,
                     [&control](int value) { control.userSetValue(value); });
}

} // namespace skin
