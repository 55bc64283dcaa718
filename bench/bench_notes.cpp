// How the notes side behaves at the store's limit of 32,767 folders or items: each user action must stay
// well within one frame (16 ms) of the headless logic, leaving the rest of the frame to the skin.
#include "app/MainMenu.h"
#include "app/frmMain.h"
#include "bench/StartTables.h"
#include "tests/support/ScriptedPlatform.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int FullStore = 32767;

struct FullWindow {
    explicit FullWindow(bool fullOfItems) {
        form.Form_Load();
        if (fullOfItems) {
            bench::addWorkFolder(form, FullStore);
            return;
        }
        form.notes().tree().appendFolder("Scrivlet", "Work");
        for (int i = 4; i <= FullStore; ++i)
            form.notes().tree().appendFolder("Scrivlet\\Work", "Folder " + std::to_string(i));
    }
    tests::ScriptedPlatform platform;
    app::frmMain form{platform};
};

// Selecting a folder that holds every item of a full store refills the list with 32,767 entries.
void bmListFolderItemsFullFolder(benchmark::State& state) {
    FullWindow window(true);
    ui::TreeView& tree = window.form.controls().lTre;
    for (auto _ : state) {
        tree.userClickNode(1);
        tree.userClickNode(3);
    }
    benchmark::DoNotOptimize(window.form.controls().lItem.ListItems.Count());
}
BENCHMARK(bmListFolderItemsFullFolder)->Unit(benchmark::kMillisecond);

// Every add, rename and move asks whether a key exists: one pass over a full folder table.
void bmFolderExistsFullTable(benchmark::State& state) {
    FullWindow window(false);
    const notes::NotesStore& store = window.form.notes().store();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.FolderExists("Scrivlet\\Work\\Not there"));
}
BENCHMARK(bmFolderExistsFullTable)->Unit(benchmark::kMicrosecond);

// Removing the first user folder of a full table shifts every later folder and node down by one.
void bmRemoveFirstFolderFullTable(benchmark::State& state) {
    FullWindow window(false);
    notes::NotesPane& pane = window.form.notes();
    ui::TreeView& tree = window.form.controls().lTre;
    for (auto _ : state) {
        pane.store().RemoveFolderAt(4);
        tree.Nodes.Remove(4);
        state.PauseTiming();
        pane.tree().appendFolder("Scrivlet\\Work", "Folder again " + std::to_string(state.iterations()));
        state.ResumeTiming();
    }
}
BENCHMARK(bmRemoveFirstFolderFullTable)->Unit(benchmark::kMillisecond);

// A window whose folder Scrivlet\Work, selected, holds `items` items.
struct ItemsWindow {
    explicit ItemsWindow(int items) {
        form.Form_Load();
        form.notes().tree().appendFolder("Scrivlet", "Work");
        for (int j = 0; j < items; ++j)
            form.notes().store().appendItem(j == 0 ? "New Item" : "New Item (" + std::to_string(j + 1) + ")",
                                            "Scrivlet\\Work", "text");
        form.controls().lTre.userClickNode(3);
    }
    ui::ListView& list() { return form.controls().lItem; }
    app::MainMenu& menu() { return form.controls().menu; }
    tests::ScriptedPlatform platform;
    app::frmMain form{platform};
};

// Add into a folder of 32,766 items whose numbered names are all taken up to the last: the name is
// found after trying every number.
void bmItemAddFullFolder(benchmark::State& state) {
    ItemsWindow window(32766);
    for (auto _ : state) {
        window.menu().mItemAdd.userChoose();
        state.PauseTiming();
        window.list().userCancelLabelEdit();
        window.list().userKeyUp(ui::vbKeyDelete, 0);
        window.list().userClickItem(1);
        state.ResumeTiming();
    }
}
BENCHMARK(bmItemAddFullFolder)->Unit(benchmark::kMillisecond);

// Rename of one item in a full store: the name check and the entry put back.
void bmItemRenameFullStore(benchmark::State& state) {
    ItemsWindow window(32767);
    window.list().userClickItem(16000);
    int round = 0;
    for (auto _ : state) {
        window.menu().mItemRename.userChoose();
        window.list().userEndLabelEdit("Renamed " + std::to_string(++round));
    }
}
BENCHMARK(bmItemRenameFullStore)->Unit(benchmark::kMillisecond);

// Paste of 10,000 items into a store of 22,767, and the refill of the list that follows.
void bmItemPasteTenThousand(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ItemsWindow window(22767);
        window.list().userClickItem(1);
        window.list().userClickItem(10000, ui::vbShiftMask);
        window.menu().mItemCopy[0]->userChoose();
        state.ResumeTiming();
        window.menu().mItemCopy[2]->userChoose();
    }
}
BENCHMARK(bmItemPasteTenThousand)->Unit(benchmark::kMillisecond)->Iterations(5);

// Delete of 10,000 selected items of a full store, and the refill of the list that follows.
void bmItemDeleteTenThousand(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ItemsWindow window(32767);
        window.list().userClickItem(5000);
        window.list().userClickItem(14999, ui::vbShiftMask);
        state.ResumeTiming();
        window.menu().mItemDelete.userChoose();
    }
}
BENCHMARK(bmItemDeleteTenThousand)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
