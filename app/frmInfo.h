#pragma once

#include "ui/Label.h"
#include "ui/Window.h"

#include <array>
#include <functional>

namespace app {

// The about box, also shown as the start-up screen: the product's title, slogan, copyright line, build
// line and pre-release notice over a drawn background. A click anywhere on it gives the main window back.
class frmInfo {
public:
    // `unload` ends this form; the owner makes a fresh one the next time the box is wanted.
    frmInfo(ui::Window& mainWindow, std::function<void()> unload);
    frmInfo(const frmInfo&) = delete;
    frmInfo& operator=(const frmInfo&) = delete;

    ui::Window form{"frmInfo", ""};
    std::array<ui::Label, 5> lLabel;

    // The size of the background picture, which is the size of the window.
    static constexpr int Width = 368;
    static constexpr int Height = 294;

private:
    void Form_Click();
    void lLabel_Click(int index);

    ui::Window& mainWindow_;
    std::function<void()> unload_;
};

} // namespace app
