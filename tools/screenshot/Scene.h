#pragma once

#include "app/frmMain.h"
#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace screenshot {

// The pictures the README shows: the notes alone, and with either panel open.
inline const QStringList Scenes{QStringLiteral("notes"), QStringLiteral("calculator"),
                                QStringLiteral("scheduler")};

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

// Fills a fresh window with a few sample notes, clicks a folder and a note, opens the scene's panel
// through its menu entry, types `term` into the calculator and returns what the window paints.
// Returns a null image, with the reason on standard error, when a control the scene needs is missing.
QImage take(Window& window, const QString& scene, const QString& term = QStringLiteral("(12.5+3)*2-7/4"));

} // namespace screenshot
