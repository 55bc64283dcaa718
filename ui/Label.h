#pragma once

#include "ui/Control.h"
#include "ui/Font.h"

#include <string>

namespace ui {

// A label: a caption the user cannot edit, and a click. A label of a control array carries its index
// (0, 1, ...); other labels have the index -1.
class Label : public Control {
public:
    Label(std::string name, Control* container, std::string caption = {}, int index = -1);

    int Index() const { return index_; }
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    const ui::Font& Font() const { return font_; }
    void setFont(ui::Font font);

    void userClick();
    Signal<> Click;

private:
    int index_;
    std::string caption_;
    ui::Font font_;
};

// A command button: a caption and a click.
class CommandButton : public Label {
public:
    using Label::Label;
};

// A picture box: a container for other controls that can also be clicked; its picture is design data
// that only the skin knows.
class PictureBox : public Label {
public:
    using Label::Label;
};

} // namespace ui
