#include "ui/TextBox.h"

#include <utility>

namespace ui {

TextBox::TextBox(std::string name, Control* container) : Control(std::move(name), container) {}

void TextBox::setText(std::string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    notifyChanged();
    Change();
}

void TextBox::userEdit(std::string text) {
    if (acceptsInput())
        setText(std::move(text));
}

void TextBox::userClick() {
    if (acceptsInput())
        Click();
}

} // namespace ui
