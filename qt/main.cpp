#include "app/frmMain.h"
#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    skin::QtPlatform platform;
    app::frmMain form(platform);
    skin::MainWindow window(form.Controls());
    form.Form_Load();
    return QApplication::exec();
}
