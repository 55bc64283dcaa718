#pragma once

#include <cstdint>

namespace ui {

// Key codes, mouse buttons and modifier masks as the event handlers receive them.
inline constexpr int16_t vbKeyEscape = 27;
inline constexpr int16_t vbKeySpace = 32;
inline constexpr int16_t vbKeyDelete = 46;
inline constexpr int16_t vbKeyF2 = 113;

inline constexpr int16_t vbLeftButton = 1;
inline constexpr int16_t vbRightButton = 2;
inline constexpr int16_t vbMiddleButton = 4;

inline constexpr int16_t vbShiftMask = 1;
inline constexpr int16_t vbCtrlMask = 2;
inline constexpr int16_t vbAltMask = 4;

// A position inside a control, in the control's own pixel coordinates.
struct Point {
    int x = 0;
    int y = 0;
};

// Where a gesture on a tree or list view happened, as the skin found it in its widget: the point, and the
// 1-based index of the row there (0: no row).
struct Hit {
    int row = 0;
    Point at;
};

} // namespace ui
