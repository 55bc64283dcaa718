#pragma once

#include "ui/TextBox.h"

namespace ui {

// A single-line text box: the skin shows it as a line edit, in which Enter adds no line break.
class TextLine : public TextBox {
public:
    using TextBox::TextBox;
};

} // namespace ui
