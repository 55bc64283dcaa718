// The floor for Scrivlet's idle memory: an empty main window of the same size on the same platform.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(900, 600);
    window.show();
    return QApplication::exec();
}
