#pragma once

#include "app/MainControls.h"

#include <QMainWindow>

namespace qt {

// The main window: the real widgets of every control of the form, laid out with the notes on the left,
// the open side panel next to them and the two panel tab strips at the right edge. The window shows
// itself when the form becomes visible at the end of its start-up.
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(app::MainControls& controls);

protected:
    // Closing is the form's decision: it ends the program. The window itself stays as the form says.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildNotesArea(QWidget* parent);
    // The panel's own widgets are built when it first opens: most sessions never open one of them, and
    // building both cost a start-up about a twentieth of a bare Qt program's.
    QWidget* buildPanel(ui::PictureBox& control, const QString& accessibleName, QWidget* parent,
                        void (*buildContent)(app::MainControls&, QWidget&));
    void finishPart(QWidget& part);
    void orderTabStops();
    QWidget* buildTabStrip(QWidget* parent);
    int shrunk(int designWidth) const;

    app::MainControls& controls_;
    // Below 1 where the screen is smaller than the window's design size.
    double shrink_ = 1.0;
};

} // namespace qt
