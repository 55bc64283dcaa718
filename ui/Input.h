#pragma once

#include <cstdint>

namespace ui {

// Key codes, mouse buttons and modifier masks as the event handlers receive them.
inline constexpr int16_t vbKeyDelete = 46;
inline constexpr int16_t vbKeyF2 = 113;

inline constexpr int16_t vbLeftButton = 1;
inline constexpr int16_t vbRightButton = 2;

inline constexpr int16_t vbShiftMask = 1;
inline constexpr int16_t vbCtrlMask = 2;
inline constexpr int16_t vbAltMask = 4;

// A position inside a control, in the control's own pixel coordinates.
struct Point {
    int x = 0;
    int y = 0;
};

} // namespace ui
