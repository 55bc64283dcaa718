#pragma once

#include "ui/Input.h"

#include <Qt>

#include <cstdint>

namespace qt {

// The key code the form's key handlers expect for a Qt key (46 for Delete, 65 for A, ...); 0 for keys
// that have none.
int16_t keyCodeOf(int qtKey);

// The Shift, Ctrl and Alt mask of the key and mouse handlers.
int16_t shiftMaskOf(Qt::KeyboardModifiers modifiers);

// The mouse handlers' code of a button (0 for buttons they do not know), and the mask of the buttons held.
int16_t buttonOf(Qt::MouseButton button);
int16_t buttonsOf(Qt::MouseButtons buttons);

} // namespace qt
