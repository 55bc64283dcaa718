#pragma once

#include "ui/Label.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>

namespace skin {

// Binds a widget to a headless label, command button or picture box: the caption (where the widget shows
// one), Enabled and Visible follow the control, and a click on the widget is the control's click.
void bindLabel(ui::Label& control, QLabel& widget);
void bindButton(ui::CommandButton& control, QAbstractButton& widget);
void bindPicture(ui::PictureBox& control, QFrame& widget);

} // namespace skin
