#include "ui/Label.h"

#include <utility>

namespace ui {

Label::Label(std::string name, Control* container, std::string caption, int index)
    : Control(std::move(name), container), index_(index), caption_(std::move(caption)) {}

void Label::setCaption(std::string caption) {
    if (caption_ == caption)
        return;
    caption_ = std::move(caption);
    notifyChanged();
}

void Label::setFont(ui::Font font) {
    font_ = std::move(font);
    notifyChanged();
}

void Label::userClick() {
    if (acceptsInput())
        Click();
}

} // namespace ui
