// How the scheduler behaves with a full store of 32,767 day entries: building a month view, storing a
// day and building the all-entries view must each stay within one frame (16 ms) of the headless logic.
#include "app/frmMain.h"
#include "bench/StartTables.h"
#include "tests/support/ScriptedPlatform.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// One note a day from 1920 on, so the shown month of November 2002 lies deep in the store and every
// row of a month view searches most of it.
struct FullScheduler {
    FullScheduler() {
        form.Form_Load();
        controls.dDateWinBack.setVisible(true);
        bench::addDays(form, app::DayEntries::MaxEntries, [](int i) { return "Note " + std::to_string(i); });
    }
    tests::ScriptedPlatform platform;
    app::frmMain form{platform};
    app::MainControls& controls = form.controls();
};

// One step of the scroller: the month is built, and built again when the scroller rests at 1.
void bmScrollAMonthFullStore(benchmark::State& state) {
    FullScheduler s;
    int step = 0;
    for (auto _ : state)
        s.controls.dDateWinScroller.userSetValue(++step % 2 == 0 ? 0 : 2);
}
BENCHMARK(bmScrollAMonthFullStore)->Unit(benchmark::kMillisecond);

// Clicking another day stores the edited one and opens the clicked one.
void bmStoreAndOpenADayFullStore(benchmark::State& state) {
    FullScheduler s;
    ui::ListView& list = s.controls.dBackWinDateList;
    int step = 0;
    for (auto _ : state) {
        s.controls.dDateWinText.userEdit("Edited " + std::to_string(step));
        list.userClickItem(++step % 2 == 0 ? 20 : 21);
    }
}
BENCHMARK(bmStoreAndOpenADayFullStore)->Unit(benchmark::kMillisecond);

// The costliest store: clearing the oldest entry moves every later one down by a place.
void bmRemoveTheOldestEntryFullStore(benchmark::State& state) {
    FullScheduler s;
    s.controls.dDateWinAll.userClick();
    ui::ListView& list = s.controls.dBackWinDateList;
    for (auto _ : state) {
        s.controls.dDateWinText.userEdit("");
        list.userClickItem(2);
        state.PauseTiming();
        list.userClickItem(1);
        s.controls.dDateWinText.userEdit("Back again");
        list.userClickItem(2);
        s.controls.dDateWinAll.userClick();
        s.controls.dDateWinAll.userClick();
        state.ResumeTiming();
    }
}
BENCHMARK(bmRemoveTheOldestEntryFullStore)->Unit(benchmark::kMillisecond);

// "All" lists every entry; pressed again, it goes back from those 32,767 rows to the month.
void bmAllEntriesFullStore(benchmark::State& state) {
    FullScheduler s;
    const bool timeTheWayBack = state.range(0) == 1;
    for (auto _ : state) {
        if (timeTheWayBack)
            state.PauseTiming();
        s.controls.dDateWinAll.userClick();
        if (timeTheWayBack)
            state.ResumeTiming();
        else
            state.PauseTiming();
        s.controls.dDateWinAll.userClick();
        if (!timeTheWayBack)
            state.ResumeTiming();
    }
}
BENCHMARK(bmAllEntriesFullStore)->ArgName("back")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
