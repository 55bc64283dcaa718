#pragma once

#include "app/frmInfo.h"

#include <QWidget>

namespace qt {

// The about box's window. It has no parent: a window owned by the main window would be disabled together
// with it and could never be clicked. It closes itself when its form is unloaded.
class InfoWindow : public QWidget {
public:
    InfoWindow(app::frmInfo& form, const QWidget& mainWindow);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void placeOver(const QWidget& mainWindow);

    app::frmInfo& form_;
};

} // namespace qt
