#include "ui/TextBox.h"

#include <utility>

namespace ui {

TextBox::TextBox(std::string name, Control* container) : Control(std::move(name), container) {}

const std::string& TextBox::Text() const {
    if (stale_ && source_) {
        if (std::optional<std::string> typed = source_())
            text_ = std::move(*typed);
    }
    stale_ = false;
    return text_;
}

void TextBox::setText(std::string text) {
    const bool changed = Text() != text;
    text_ = std::move(text);
    TextSet();
    if (changed)
        Change();
}

void TextBox::userEdit(std::string text) {
    if (acceptsInput())
        setText(std::move(text));
}

void TextBox::userModified() {
    if (!acceptsInput())
        return;
    stale_ = true;
    Change();
}

void TextBox::userClick() {
    if (acceptsInput())
        Click();
}

} // namespace ui
