// What any Qt program with Scrivlet's start-up pays: a small window shown with one pass of the event
// loop and closed, then a main window with a menu bar, a splitter, a tree, a list and a text box.
// bench/startup.sh times it next to Scrivlet.
#include <QApplication>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeView>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    {
        QWidget first;
        first.resize(368, 294);
        first.show();
        QCoreApplication::processEvents();
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"));
    auto* splitter = new QSplitter(&window);
    splitter->addWidget(new QTreeView(splitter));
    splitter->addWidget(new QListView(splitter));
    splitter->addWidget(new QPlainTextEdit(splitter));
    window.setCentralWidget(splitter);
    window.resize(900, 600);
    window.show();
    return QApplication::exec();
}
