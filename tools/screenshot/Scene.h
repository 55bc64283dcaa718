#pragma once

#include "app/frmMain.h"
#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"
#include "tools/screenshot/PinnedApplication.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace screenshot {

// The pictures: the notes alone and with either panel open, which the README shows, and a panel open
// on the smallest screen, at twice the scale and right to left, where captions and lines are likeliest
// to break.
struct Scene {
    QString name;
    // The panel opened: "notes" for none, "calculator" or "scheduler".
    QString panel;
    Setting setting;
};

inline const Scene Scenes[] = {
    {QStringLiteral("notes"), QStringLiteral("notes"), {}},
    {QStringLiteral("calculator"), QStringLiteral("calculator"), {}},
    {QStringLiteral("scheduler"), QStringLiteral("scheduler"), {}},
    {QStringLiteral("small-screen"), QStringLiteral("calculator"), {.screen = {640, 480}}},
    {QStringLiteral("scaled"), QStringLiteral("scheduler"), {.scale = 2}},
    {QStringLiteral("right-to-left"), QStringLiteral("calculator"), {.direction = Qt::RightToLeft}},
};

// The scene called `name`, or nullptr.
inline const Scene* sceneNamed(const QString& name) {
    for (const Scene& scene : Scenes)
        if (scene.name == name)
            return &scene;
    return nullptr;
}

// The Qt platform with a clock that stands still, so that the scheduler, its tab and anything the
// calculator reads from the time show the same day in every picture, whenever it is taken.
class StillClock : public qt::QtPlatform {
public:
    std::string systemDateText() override { return "12-07-2026"; }
    double secondsSinceMidnight() override { return 12 * 3600.0; }
};

// The real window, built as `scrivlet` builds it, on the still clock.
struct Window {
    Window();

    StillClock platform;
    app::frmMain form{platform};
    qt::MainWindow window{form.controls()};
};

// Fills a fresh window with a few sample notes, clicks a folder and a note, opens the panel (the scene's
// `panel`) through its menu entry, types `term` into the calculator and returns what the window paints.
// Returns a null image, with the reason on standard error, when a control the scene needs is missing.
QImage take(Window& window, const QString& panel, const QString& term = QStringLiteral("(12.5+3)*2-7/4"));

} // namespace screenshot
