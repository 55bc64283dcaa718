// What any Qt program with Scrivlet's start-up pays: a small window shown with one pass of the event
// loop and closed, then a main window with a menu bar, a splitter, a tree, a list and a text box. With
// --lettered the small window also shows the start-up screen's five lines in their faces and sizes, which
// any program showing that screen draws. bench/startup.sh times both next to Scrivlet.
#include "app/frmInfo.h"
#include "qt/Fonts.h"
#include "qt/Mirror.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeView>

#include <cstring>

namespace {

// The start-up screen's own lines and fonts, read from its form, so that the two stay alike.
void letter(QWidget& window) {
    ui::Window owner("owner", "");
    const app::frmInfo screen(owner, [] {});
    int top = 10;
    for (const ui::Label& line : screen.lLabel) {
        auto* label = new QLabel(qt::toQString(line.Caption()), &window);
        label->setFont(qt::fontOf(line.Font()));
        label->setWordWrap(true);
        label->setGeometry(24, top, 320, 50);
        top += 54;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    {
        QWidget first;
        first.resize(app::frmInfo::Width, app::frmInfo::Height);
        if (argc > 1 && std::strcmp(argv[1], "--lettered") == 0)
            letter(first);
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
