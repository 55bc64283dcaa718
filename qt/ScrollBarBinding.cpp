#include "qt/ScrollBarBinding.h"

#include "qt/Mirror.h"

#include <QSignalBlocker>

namespace skin {

namespace {

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
    copyValue(control, widget);
    mirrorEnabledVisible(control, widget);
    connectWhileAlive(control.Changed, &widget, [&control, &widget] { copyValue(control, widget); });
    QObject::connect(&widget, &QScrollBar::valueChanged, &widget,
                     [&control](int value) { control.userSetValue(value); });
}

} // namespace skin
