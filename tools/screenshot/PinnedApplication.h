#pragma once

#include <QApplication>
#include <QSize>
#include <QTemporaryDir>

namespace screenshot {

// What the window is drawn on: the screen's size in pixels at 96 dpi, Qt's scale factor and the
// reading direction.
struct Setting {
    QSize screen{1280, 1024};
    double scale = 1;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

// The application of the skin's tests and of the screenshot tool. Whatever the machine has installed and
// the user has set, it draws offscreen on the setting's screen, scale and direction, with the DejaVu
// fonts alone (tools/screenshot/fonts.conf), in the C locale, with Qt's own theme and style and no input
// method: what Qt reads from the environment at its start is set or cleared before the QApplication
// exists. So a commit lays out and draws the same pixels on every machine, and a test that wants
// another scale, screen or direction names it. The program itself keeps the user's settings.
class PinnedApplication {
public:
    PinnedApplication(int& argc, char** argv, const Setting& setting = {});

private:
    struct Environment {
        Environment(const QTemporaryDir& dir, const Setting& setting);
    };

    QTemporaryDir dir_;
    Environment environment_;
    QApplication application_;
};

} // namespace screenshot
