// The real widgets, on the offscreen platform: what a keystroke costs in notes of growing size next to a
// bare text widget, how long the tree and the lists take to show full tables.
#include "app/MainMenu.h"
#include "bench/ShownWindow.h"
#include "bench/StartTables.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void typeOneKey(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

// One keystroke into a note of state.range(0) bytes shown in the window's text box.
void bmKeystrokeInNote(benchmark::State& state) {
    bench::ShownWindow shown;
    shown.store().appendItem("Note", "Scrivlet", bench::proseOf(static_cast<std::size_t>(state.range(0))));
    shown.notes().list().ListFolderItems(false);
    shown.controls().lItem.userClickItem(1);
    QPlainTextEdit* text = shown.noteBox();
    text->setFocus();
    for (auto _ : state)
        typeOneKey(text);
}
BENCHMARK(bmKeystrokeInNote)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

// The same keystroke into a bare text widget of the same size, the floor the window is measured against.
void bmKeystrokeInBareWidget(benchmark::State& state) {
    QPlainTextEdit text;
    text.setPlainText(QString::fromStdString(bench::proseOf(static_cast<std::size_t>(state.range(0)))));
    bench::showBare(text);
    text.setFocus();
    for (auto _ : state)
        typeOneKey(&text);
}
BENCHMARK(bmKeystrokeInBareWidget)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

// A full folder table appended into the shown tree, up to the view laid out with the root open.
void bmTreeOfFullFolderTable(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<bench::ShownWindow>();
        shown->controls().lTre.Nodes(1).setExpanded(true);
        QTreeView* tree = shown->tree();
        state.ResumeTiming();
        for (int i = 3; i <= 32767; ++i)
            shown->notes().tree().appendFolder("Scrivlet", "Folder " + std::to_string(i));
        tree->doItemsLayout();
        tree->viewport()->repaint();
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(bmTreeOfFullFolderTable)->Unit(benchmark::kMillisecond)->Iterations(3);

// Selecting a folder of a full store of items refills the shown list with 32,767 entries, up to the view
// laid out and painted.
void bmListRefillOfFullFolder(benchmark::State& state) {
    bench::ShownWindow shown;
    bench::addWorkFolder(shown.form, 32767);
    QListView* list = shown.list();
    ui::TreeView& tree = shown.controls().lTre;
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
BENCHMARK(bmListRefillOfFullFolder)->Unit(benchmark::kMillisecond);

// "All" with a full store of 32,767 day entries: the list view takes every row of the control and paints
// what it shows. Must stay under 100 ms.
void bmAllFillsTheRealListFullStore(benchmark::State& state) {
    bench::ShownWindow shown;
    app::MainControls& controls = shown.controls();
    controls.menu.mDateShow.userChoose();
    bench::addDays(shown.form, app::DayEntries::MaxEntries,
                   [](int i) { return "Note " + std::to_string(i); });
    auto* list = shown.widget<QListView>("dBackWinDateList");
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
BENCHMARK(bmAllFillsTheRealListFullStore)->Unit(benchmark::kMillisecond);

} // namespace
