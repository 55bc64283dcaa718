#include "bench/ShownWindow.h"

#include <QApplication>

namespace bench {

ShownWindow::ShownWindow() {
    form.Form_Load();
    window.resize(900, 600);
    window.show();
    QApplication::processEvents();
}

void settle(QAbstractItemView* view) {
    QApplication::processEvents();
    view->viewport()->repaint();
}

void showBare(QPlainTextEdit& editor) {
    editor.resize(500, 400);
    editor.show();
    QApplication::processEvents();
}

void useOffscreenUnlessChosen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace bench
