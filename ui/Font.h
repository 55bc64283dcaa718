#pragma once

#include <string>

namespace ui {

// The font a control is drawn in. FixedPitch says what the text relies on, so that where the named font
// is missing the skin can stand in one of the same kind: columns that line up, or any sans-serif face.
struct Font {
    std::string Name;
    double Size = 8.25;
    bool Bold = false;
    bool Italic = false;
    bool fixedPitch = false;
};

} // namespace ui
