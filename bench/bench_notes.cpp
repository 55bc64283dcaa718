// How the notes side behaves at the store's limit of 32,767 folders or items: each user action must stay
// well within one frame (16 ms) of the headless logic, leaving the rest of the frame to the skin.
#include "app/frmMain.h"
#include "tests/support/ScriptedPlatform.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int FullStore = 32767;

struct FullWindow {
    explicit FullWindow(bool fullOfItems) {
        form.Form_Load();
        notes::NotesPane& pane = form.Notes();
        pane.Tree().AppendFolder("Scrivlet", "Work");
        if (fullOfItems) {
            for (int j = 0; j < FullStore; ++j)
                pane.Store().AppendItem("Item " + std::to_string(j), "Scrivlet\\Work", "text");
        } else {
            for (int i = 4; i <= FullStore; ++i)
                pane.Tree().AppendFolder("Scrivlet\\Work", "Folder " + std::to_string(i));
        }
    }
    testing_support::ScriptedPlatform platform;
    app::frmMain form{platform};
};

// Selecting a folder that holds every item of a full store refills the list with 32,767 entries.
void BM_ListFolderItems_FullFolder(benchmark::State& state) {
    FullWindow window(true);
    ui::TreeView& tree = window.form.Controls().lTre;
    for (auto _ : state) {
        tree.userClickNode(1);
        tree.userClickNode(3);
    }
    benchmark::DoNotOptimize(window.form.Notes().View().ListedCount);
}
BENCHMARK(BM_ListFolderItems_FullFolder)->Unit(benchmark::kMillisecond);

// Every add, rename and move asks whether a key exists: one pass over a full folder table.
void BM_FolderExists_FullTable(benchmark::State& state) {
    FullWindow window(false);
    const notes::NotesStore& store = window.form.Notes().Store();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.FolderExists("Scrivlet\\Work\\Not there"));
}
BENCHMARK(BM_FolderExists_FullTable)->Unit(benchmark::kMicrosecond);

// Removing the first user folder of a full table shifts every later folder and node down by one.
void BM_RemoveFirstFolder_FullTable(benchmark::State& state) {
    FullWindow window(false);
    notes::NotesPane& pane = window.form.Notes();
    ui::TreeView& tree = window.form.Controls().lTre;
    for (auto _ : state) {
        pane.Store().RemoveFolderAt(4);
        tree.Nodes.Remove(4);
        state.PauseTiming();
        pane.Tree().AppendFolder("Scrivlet\\Work", "Folder again " + std::to_string(state.iterations()));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveFirstFolder_FullTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
