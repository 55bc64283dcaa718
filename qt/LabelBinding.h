#pragma once

#include "ui/Label.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>

namespace qt {

// Binds a widget to a headless label, command button or picture box: the caption (where the widget shows
// one), Enabled and Visible follow the control, and a click on the widget is the control's click.
void bindLabel(ui::Label& control, QLabel& widget);
void bindButton(ui::CommandButton& control, QAbstractButton& widget);
void bindPicture(ui::PictureBox& control, QFrame& widget);
// A command button with no caption and no action that only lies behind other controls: shown as a plain
// area, so that neither the keyboard nor a screen reader meets a button that does nothing. A click on it
// still reaches the control.
void bindBackground(ui::CommandButton& control, QWidget& widget);

} // namespace qt
