#include "app/frmMain.h"
#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The installed desktop entry and icon carry this name; desktops match the window to them by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.scrivlet"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("com.example.scrivlet")));
    qt::QtPlatform platform;
    app::frmMain form(platform);
    qt::MainWindow window(form.Controls());
    form.Form_Load();
    return QApplication::exec();
}
