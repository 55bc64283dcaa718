#include "ui/Label.h"

#include <utility>

namespace ui {

Label::Label(std::string name, Control* container, std::string caption)
    : Control(std::move(name), container), caption_(std::move(caption)) {}

void Label::setCaption(std::string caption) {
    if (caption_ == caption)
        return;
    caption_ = std::move(caption);
    notifyChanged();
}

void Label::userClick() {
    if (acceptsInput())
        Click();
}

} // namespace ui
