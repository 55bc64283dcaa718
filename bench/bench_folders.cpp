// The folder commands at the largest tables where each is allowed, with subtrees of one folder and of
// 16,000 (each folder holding one item): every command must stay within one frame (16 ms) of the
// headless logic. A move copies before it removes, so moves run at 16,767 folders, leaving room for the
// copy of the largest subtree.
#include "app/MainMenu.h"
#include "app/frmMain.h"
#include "tests/support/Gestures.h"
#include "tests/support/ScriptedPlatform.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int FullTable = 32767;
constexpr int MoveTable = 16767;
constexpr int InTrash = 16000;

struct FolderBench {
    FolderBench() { form.Form_Load(); }

    notes::NotesPane& notes() { return form.notes(); }
    notes::NotesStore& store() { return form.notes().store(); }
    ui::TreeView& tree() { return form.controls().lTre; }
    app::MainMenu& menu() { return form.controls().menu; }
    int nodeOf(const std::string& key) { return tree().Nodes.find(key)->Index(); }
    void select(const std::string& key) { tree().userClickNode(nodeOf(key)); }

    // A folder with `size` folders in all (itself and its children), and one item in each.
    void subtree(const std::string& parent, const std::string& name, int size) {
        const std::string top = parent + "\\" + name;
        notes().tree().appendFolder(parent, name);
        store().appendItem("note", top, "text");
        for (int k = 1; k < size; ++k) {
            notes().tree().appendFolder(top, std::string("F").append(std::to_string(k)));
            store().appendItem("note", top + "\\F" + std::to_string(k), "text");
        }
    }
    // Folders under Scrivlet\Fill until the table holds `count`.
    void fillTo(int count) {
        notes().tree().appendFolder("Scrivlet", "Fill");
        for (int k = 0; store().lastFolder() < count; ++k)
            notes().tree().appendFolder("Scrivlet\\Fill", std::string("G").append(std::to_string(k)));
    }

    tests::ScriptedPlatform platform;
    app::frmMain form{platform};
};

// Every name from New Folder to New Folder (32764) is taken, so the add tries each before the last.
void bmAddFolderEveryNameTaken(benchmark::State& state) {
    FolderBench b;
    b.notes().tree().appendFolder("Scrivlet", "New Folder");
    for (int n = 2; b.store().lastFolder() < FullTable - 1; ++n)
        b.notes().tree().appendFolder("Scrivlet", "New Folder (" + std::to_string(n) + ")");
    for (auto _ : state) {
        b.menu().mFolderAdd.userChoose();
        state.PauseTiming();
        b.tree().userCancelLabelEdit();
        b.store().RemoveFolderAt(b.store().lastFolder());
        b.tree().Nodes.Remove(b.tree().Nodes.Count());
        b.select("Scrivlet");
        state.ResumeTiming();
    }
}
BENCHMARK(bmAddFolderEveryNameTaken)->Unit(benchmark::kMillisecond);

void bmRenameFolder(benchmark::State& state) {
    FolderBench b;
    b.subtree("Scrivlet", "Big", static_cast<int>(state.range(0)));
    b.fillTo(MoveTable);
    bool big = true;
    for (auto _ : state) {
        state.PauseTiming();
        b.select(big ? "Scrivlet\\Big" : "Scrivlet\\Large");
        state.ResumeTiming();
        b.menu().mFolderRename.userChoose();
        b.tree().userEndLabelEdit(big ? "Large" : "Big");
        big = !big;
    }
}
BENCHMARK(bmRenameFolder)->Arg(1)->Arg(InTrash)->Unit(benchmark::kMillisecond);

void bmDeleteToTrash(benchmark::State& state) {
    FolderBench b;
    b.subtree("Scrivlet", "Big", static_cast<int>(state.range(0)));
    b.fillTo(MoveTable);
    for (auto _ : state) {
        state.PauseTiming();
        b.select("Scrivlet\\Big");
        state.ResumeTiming();
        b.menu().mFolderDelete.userChoose();
        state.PauseTiming();
        tests::dragNode(b.tree(), b.nodeOf("Trash\\Big"), 1, 0);
        state.ResumeTiming();
    }
}
BENCHMARK(bmDeleteToTrash)->Arg(1)->Arg(InTrash)->Unit(benchmark::kMillisecond);

void bmDragMove(benchmark::State& state) {
    FolderBench b;
    b.notes().tree().appendFolder("Scrivlet", "X");
    b.notes().tree().appendFolder("Scrivlet", "Y");
    b.subtree("Scrivlet\\X", "Big", static_cast<int>(state.range(0)));
    b.fillTo(MoveTable);
    bool inX = true;
    for (auto _ : state) {
        state.PauseTiming();
        const int from = b.nodeOf(inX ? "Scrivlet\\X\\Big" : "Scrivlet\\Y\\Big");
        const int to = b.nodeOf(inX ? "Scrivlet\\Y" : "Scrivlet\\X");
        state.ResumeTiming();
        tests::dragNode(b.tree(), from, to, 0);
        inX = !inX;
    }
}
BENCHMARK(bmDragMove)->Arg(1)->Arg(InTrash)->Unit(benchmark::kMillisecond);

// A full table with 16,000 folders in Trash: either the one deleted subtree, or a single folder beside
// the rest.
void fillTrash(FolderBench& b, int deleted) {
    b.subtree("Trash", "Gone", deleted);
    if (deleted < InTrash)
        b.subtree("Trash", "Rest", InTrash - deleted);
}

void bmDeleteInsideTrash(benchmark::State& state) {
    FolderBench b;
    const auto size = static_cast<int>(state.range(0));
    fillTrash(b, size);
    b.fillTo(FullTable);
    for (auto _ : state) {
        state.PauseTiming();
        if (b.tree().Nodes.find("Trash\\Gone") == nullptr)
            b.subtree("Trash", "Gone", size);
        b.select("Trash\\Gone");
        state.ResumeTiming();
        b.menu().mFolderDelete.userChoose();
    }
}
BENCHMARK(bmDeleteInsideTrash)->Arg(1)->Arg(InTrash)->Iterations(20)->Unit(benchmark::kMillisecond);

void bmEmptyTrash(benchmark::State& state) {
    FolderBench b;
    b.fillTo(FullTable - InTrash);
    for (auto _ : state) {
        state.PauseTiming();
        fillTrash(b, InTrash);
        b.select("Trash");
        state.ResumeTiming();
        b.menu().mFolderTrashEmpty.userChoose();
    }
}
BENCHMARK(bmEmptyTrash)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
