#pragma once

#include "app/frmMain.h"
#include "qt/MainWindow.h"
#include "tests/support/ScriptedPlatform.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tests {

// Fails the running test when a modal dialog or a pop-up menu opens that the test did not ask for, and
// closes it, so that a stray dialog cannot hang the suite.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog();

    // The next modal window or pop-up is expected: the test deals with it itself.
    void expectModal(bool expected) { expected_ = expected; }
    // What opened unexpectedly since the last call, empty when nothing did.
    QString takeUnexpected() { return std::exchange(unexpected_, QString()); }

private:
    void check();

    QTimer timer_;
    bool expected_ = false;
    QString unexpected_;
};

// The started main window with its real widgets, on a scripted platform so that ending the program or
// asking the user only leaves a record.
struct SkinWindow {
    SkinWindow() { form.Form_Load(); }

    app::MainControls& controls() { return form.controls(); }
    app::MainMenu& menu() { return form.controls().menu; }

    QTreeView* tree() const { return widget<QTreeView>(QStringLiteral("lTre")); }
    QListView* list() const { return widget<QListView>(QStringLiteral("lItem")); }
    QAction* action(const QString& name) const { return widget<QAction>(name); }
    template <typename Widget> Widget* widget(const QString& name) const {
        return window.findChild<Widget*>(name);
    }

    tests::ScriptedPlatform platform;
    app::frmMain form{platform};
    qt::MainWindow window{form.controls()};
};

// The tree's row showing `text` (the only one).
QModelIndex nodeRow(const QTreeView* tree, const QString& text);

// What every skin test class does around each test: a fresh started window, shown, and afterwards the
// check that no modal window opened that the test did not ask for.
class WindowPerTest : public QObject {
protected:
    void openWindow();
    // The window opened and active, so that the keyboard moves as it does for a person.
    void openActiveWindow();
    void closeWindow();
    SkinWindow& w() const { return *window_; }

    ModalWatchdog watchdog_;
    std::unique_ptr<SkinWindow> window_;
};

// The centre of the tree's row showing `text`.
QPoint nodeCentre(const QTreeView* tree, const QString& text);
// Presses the left button at `from` and moves past the drag distance, so that a drag is under way.
void startDrag(QTreeView* tree, const QPoint& from);
// Gestures on the real widgets, aimed at the centre of a row, as a person would click.
void clickTreeNode(QTreeView* tree, const QString& text, Qt::MouseButton button = Qt::LeftButton);
// Rows of the item list, by 0-based row.
void clickListRow(QListView* list, int row, Qt::KeyboardModifiers modifiers = {});
// The in-place editor a view has open, or nullptr.
QLineEdit* openEditor(const QAbstractItemView* view);
// Triggers a menu action, failing the test if the user could not reach it because it is disabled.
void triggerEnabled(QAction* action);

// The test classes main() runs, each added by SKIN_TEST_CLASS in its own file.
std::vector<std::function<QObject*()>>& testClasses();

} // namespace tests

#define SKIN_TEST_CLASS(Class)                                                                               \
    static const bool Class##Registered = (tests::testClasses().push_back([] { return new Class; }), true);
