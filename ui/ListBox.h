#pragma once

#include "ui/Control.h"
#include "ui/Font.h"
#include "ui/Input.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

// A list box of text lines, numbered from 0. ListIndex is the selected line, -1 when none.
class ListBox : public Control {
public:
    ListBox(std::string name, Control* container);

    int ListCount() const { return static_cast<int>(lines_.size()); }
    const std::string& List(int line) const { return lines_.at(static_cast<std::size_t>(line)); }
    // Replaces the text of an existing line; the selection stays.
    void setList(int line, std::string text);
    void AddItem(std::string text);
    void Clear();
    int ListIndex() const { return listIndex_; }
    void setListIndex(int line);
    const ui::Font& Font() const { return font_; }
    void setFont(ui::Font font);

    // Gestures. A click or double click selects the line first.
    void userClick(int line);
    void userDoubleClick(int line);
    void userMouseUp(int16_t button, int16_t shift, Point at);

    Signal<> Click;
    Signal<> DblClick;
    Signal<int16_t, int16_t, int, int> MouseUp;

    // Notifications for the skin. AddItem raises LineAdded for the new last line, so that filling a list
    // line by line costs one line each.
    Signal<int> LineChanged;
    Signal<int> LineAdded;
    Signal<> LinesReset;

private:
    std::vector<std::string> lines_;
    int listIndex_ = -1;
    ui::Font font_;
};

} // namespace ui
