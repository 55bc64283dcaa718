#include "qt/KeyInput.h"

#include <array>
#include <utility>

namespace qt {

int16_t keyCodeOf(int qtKey) {
    // Letters and digits share their codes with Qt; these are the other keys a handler may look at.
    static constexpr std::array<std::pair<int, int16_t>, 25> Named = {{
        {Qt::Key_Backspace, 8},
        {Qt::Key_Tab, 9},
        {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18},
        {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},
        {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},
        {Qt::Key_Insert, 45},
        {Qt::Key_Delete, ui::vbKeyDelete},
        {Qt::Key_Plus, 107},
        {Qt::Key_Minus, 109},
        {Qt::Key_Asterisk, 106},
        {Qt::Key_Slash, 111},
        {Qt::Key_Period, 190},
        {Qt::Key_Comma, 188},
    }};
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<int16_t>(ui::vbKeyF2 - 1 + (qtKey - Qt::Key_F1));
    for (const auto& [key, code] : Named)
        if (key == qtKey)
            return code;
    return 0;
}

int16_t shiftMaskOf(Qt::KeyboardModifiers modifiers) {
    int16_t mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        mask |= ui::vbShiftMask;
    if (modifiers.testFlag(Qt::ControlModifier))
        mask |= ui::vbCtrlMask;
    if (modifiers.testFlag(Qt::AltModifier))
        mask |= ui::vbAltMask;
    return mask;
}

int16_t buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return ui::vbLeftButton;
    case Qt::RightButton:
        return ui::vbRightButton;
    case Qt::MiddleButton:
        return ui::vbMiddleButton;
    default:
        return 0;
    }
}

int16_t buttonsOf(Qt::MouseButtons buttons) {
    int16_t mask = 0;
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons.testFlag(button))
            mask |= buttonOf(button);
    return mask;
}

} // namespace qt
