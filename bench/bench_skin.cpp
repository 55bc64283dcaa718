// The real widgets, on the offscreen platform: what a keystroke costs in notes of growing size next to a
// bare text widget, how long the tree and the lists take to show full tables.
#include "app/frmMain.h"
#include "dates/MODULDaywise.h"
#include "qt/MainWindow.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QPlainTextEdit>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <string>

namespace {

void typeOneKey(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

// A note of about `size` bytes in lines of 63 characters, as prose is typed.
std::string noteOf(std::size_t size) {
    std::string line(63, 'x');
    line += '\n';
    std::string note;
    note.reserve(size + line.size());
    while (note.size() < size)
        note += line;
    return note;
}

struct ShownWindow {
    ShownWindow() {
        form.Form_Load();
        window.show();
        QApplication::processEvents();
    }
    testing_support::ScriptedPlatform platform;
    app::frmMain form{platform};
    skin::MainWindow window{form.Controls()};
};

// One keystroke into a note of state.range(0) bytes shown in the window's text box.
void BM_KeystrokeInNote(benchmark::State& state) {
    ShownWindow shown;
    const auto size = static_cast<std::size_t>(state.range(0));
    shown.form.Notes().Store().AppendItem("Note", "Scrivlet", noteOf(size));
    shown.form.Notes().List().ListFolderItems(false);
    shown.form.Controls().lItem.userClickItem(1);
    auto* text = shown.window.findChild<QPlainTextEdit*>(QStringLiteral("lText"));
    text->setFocus();
    for (auto _ : state)
        typeOneKey(text);
}
BENCHMARK(BM_KeystrokeInNote)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

// The same keystroke into a bare text widget of the same size, the floor the window is measured against.
void BM_KeystrokeInBareWidget(benchmark::State& state) {
    QPlainTextEdit text;
    text.resize(500, 400);
    text.setPlainText(QString::fromStdString(noteOf(static_cast<std::size_t>(state.range(0)))));
    text.show();
    QApplication::processEvents();
    text.setFocus();
    for (auto _ : state)
        typeOneKey(&text);
}
BENCHMARK(BM_KeystrokeInBareWidget)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

// A full folder table appended into the shown tree, up to the view laid out with the root open.
void BM_TreeOfFullFolderTable(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownWindow>();
        shown->form.Controls().lTre.Nodes(1).setExpanded(true);
        auto* tree = shown->window.findChild<QTreeView*>(QStringLiteral("lTre"));
        state.ResumeTiming();
        for (int i = 3; i <= 32767; ++i)
            shown->form.Notes().Tree().AppendFolder("Scrivlet", "Folder " + std::to_string(i));
        tree->doItemsLayout();
        tree->viewport()->repaint();
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TreeOfFullFolderTable)->Unit(benchmark::kMillisecond)->Iterations(3);

// Selecting a folder of a full store of items refills the shown list with 32,767 entries, up to the view
// laid out and painted.
void BM_ListRefillOfFullFolder(benchmark::State& state) {
    ShownWindow shown;
    shown.form.Notes().Tree().AppendFolder("Scrivlet", "Work");
    for (int j = 0; j < 32767; ++j)
        shown.form.Notes().Store().AppendItem("Item " + std::to_string(j), "Scrivlet\\Work", "text");
    auto* list = shown.window.findChild<QListView*>(QStringLiteral("lItem"));
    ui::TreeView& tree = shown.form.Controls().lTre;
    for (auto _ : state) {
        state.PauseTiming();
        tree.userClickNode(1);
        QApplication::processEvents();
        state.ResumeTiming();
        tree.userClickNode(3);
        list->doItemsLayout();
        list->viewport()->repaint();
    }
}
BENCHMARK(BM_ListRefillOfFullFolder)->Unit(benchmark::kMillisecond);

// "All" with a full store of 32,767 day entries: the list view takes every row of the control and paints
// what it shows. Must stay under 100 ms.
void BM_AllFillsTheRealList_FullStore(benchmark::State& state) {
    testing_support::ScriptedPlatform platform;
    app::frmMain form{platform};
    skin::MainWindow window{form.Controls()};
    form.Form_Load();
    app::MainControls& controls = form.Controls();
    controls.Menu.mDateShow.userChoose();
    app::DayEntries& entries = form.Scheduler().List().Entries();
    const int32_t first = MODULDaywise::DateToDay("1920-01-01");
    for (int i = 0; i < app::DayEntries::MaxEntries; ++i)
        entries.append(first + i, "Note " + std::to_string(i));
    auto* list = window.findChild<QListView*>(QStringLiteral("dBackWinDateList"));
    QApplication::processEvents();

    for (auto _ : state) {
        controls.dDateWinAll.userClick();
        QApplication::processEvents();
        list->viewport()->repaint();
        state.PauseTiming();
        if (list->model()->rowCount() != app::DayEntries::MaxEntries)
            state.SkipWithError("the list does not show every entry");
        controls.dDateWinAll.userClick();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AllFillsTheRealList_FullStore)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
