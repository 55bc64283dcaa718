// "All" with a full store of 32,767 day entries, through the real widgets: the list view takes every row
// of the control and paints what it shows. Must stay under 100 ms.
#include "app/frmMain.h"
#include "dates/MODULDaywise.h"
#include "qt/MainWindow.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QListView>

#include <benchmark/benchmark.h>

#include <string>

namespace {

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

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
