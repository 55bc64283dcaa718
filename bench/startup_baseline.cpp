// What any Qt program with Scrivlet's start-up pays: a small window shown with one pass of the event
// loop and closed, then a main window with a menu bar, a splitter, a tree, a list and a text box. With
// --lettered the small window also shows the start-up screen's five lines in their faces and sizes, which
// any program showing that screen draws. bench/startup.sh times both next to Scrivlet.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeView>

#include <cstring>

namespace {

void letter(QWidget& window) {
    struct Line {
        const char* text;
        double size;
        bool italic;
    };
    const Line lines[] = {{"Scrivlet ][", 24, true},
                          {"Your notes, your numbers, your days.", 13.5, true},
                          {"Copyright (C) 2026 The Scrivlet developers", 8.25, true},
                          {"Pre-release: for testing only", 8.25, false},
                          {"built 2002.11.19", 8.25, false}};
    int top = 10;
    for (const Line& line : lines) {
        auto* label = new QLabel(QString::fromLatin1(line.text), &window);
        QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setPointSizeF(line.size);
        font.setBold(true);
        font.setItalic(line.italic);
        label->setFont(font);
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
        first.resize(368, 294);
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
