#pragma once

#include "app/frmMain.h"
#include "qt/MainWindow.h"
#include "tests/support/ScriptedPlatform.h"

#include <QAbstractItemView>
#include <QListView>
#include <QPlainTextEdit>
#include <QTreeView>

namespace bench {

// The main window with its real widgets, started and shown at its design size, as a user first sees it.
struct ShownWindow {
    ShownWindow();

    app::MainControls& controls() { return form.controls(); }
    notes::NotesPane& notes() { return form.notes(); }
    notes::NotesStore& store() { return form.notes().store(); }
    template <typename Widget> Widget* widget(const char* name) {
        return window.findChild<Widget*>(QString::fromLatin1(name));
    }
    QTreeView* tree() { return widget<QTreeView>("lTre"); }
    QListView* list() { return widget<QListView>("lItem"); }
    QPlainTextEdit* noteBox() { return widget<QPlainTextEdit>("lText"); }

    tests::ScriptedPlatform platform;
    app::frmMain form{platform};
    qt::MainWindow window{form.controls()};
};

// Lets a view lay out what changed and paints it, as the next frame would.
void settle(QAbstractItemView* view);

// Shows a bare text widget at about the note box's size: the floor the window is measured against.
void showBare(QPlainTextEdit& editor);

// The widgets draw offscreen unless QT_QPA_PLATFORM names a platform; call before the QApplication exists.
void useOffscreenUnlessChosen();

} // namespace bench
