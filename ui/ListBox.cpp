#include "ui/ListBox.h"

#include <utility>

namespace ui {

ListBox::ListBox(std::string name, Control* container) : Control(std::move(name), container) {}

void ListBox::setList(int line, std::string text) {
    if (line < 0 || line >= ListCount())
        return;
    lines_[static_cast<std::size_t>(line)] = std::move(text);
    LineChanged(line);
}

void ListBox::AddItem(std::string text) {
    lines_.push_back(std::move(text));
    LineAdded(ListCount() - 1);
}

void ListBox::Clear() {
    lines_.clear();
    listIndex_ = -1;
    LinesReset();
}

void ListBox::setListIndex(int line) {
    const int wanted = line >= 0 && line < ListCount() ? line : -1;
    if (listIndex_ == wanted)
        return;
    listIndex_ = wanted;
    notifyChanged();
}

void ListBox::setFont(ui::Font font) {
    font_ = std::move(font);
    notifyChanged();
}

void ListBox::userClick(int line) {
    if (!acceptsInput() || line < 0 || line >= ListCount())
        return;
    setListIndex(line);
    Click();
}

void ListBox::userDoubleClick(int line) {
    if (!acceptsInput() || line < 0 || line >= ListCount())
        return;
    setListIndex(line);
    DblClick();
}

void ListBox::userMouseUp(int16_t button, int16_t shift, Point at) {
    if (acceptsInput())
        MouseUp(button, shift, at.x, at.y);
}

} // namespace ui
