#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

// A label: a caption the user cannot edit, and a click.
class Label : public Control {
public:
    Label(std::string name, Control* container, std::string caption = {});

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);

    void userClick();
    Signal<> Click;

private:
    std::string caption_;
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
