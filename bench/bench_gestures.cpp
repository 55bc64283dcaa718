// Gestures through the real widgets on the offscreen platform, layout and paint included, each at two
// sizes so that growth shows. A single gesture must stay within a frame (16 ms), a gesture over a whole
// table within 100 ms. The run ends with one table: gesture, size, time, budget and whether it is within;
// the exit status is 1 when any figure passed its budget.
#include "app/MainMenu.h"
#include "bench/Budget.h"
#include "bench/ShownWindow.h"
#include "bench/StartTables.h"
#include "notes/FolderTransfer.h"
#include "qt/TreeModel.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A folder "Work" holding `count` notes, shown in the list.
std::unique_ptr<bench::ShownWindow> listOf(int count) {
    auto w = std::make_unique<bench::ShownWindow>();
    bench::addWorkFolder(w->form, count);
    w->controls().lTre.userClickNode(3);
    bench::settle(w->list());
    return w;
}

QPoint rowCentre(QListView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QApplication::processEvents();
    return list->visualRect(index).center();
}

void clickRow(QListView* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rowCentre(list, row));
}

void selectAll(QListView* list) {
    clickRow(list, 0);
    QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
    bench::settle(list);
}

void bmShiftEndFromTheFirst(benchmark::State& state) {
    auto w = listOf(static_cast<int>(state.range(0)));
    QListView* list = w->list();
    for (auto _ : state) {
        state.PauseTiming();
        clickRow(list, 0);
        bench::settle(list);
        state.ResumeTiming();
        QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
        bench::settle(list);
    }
}

void bmClickCollapsingFullSelection(benchmark::State& state) {
    auto w = listOf(static_cast<int>(state.range(0)));
    QListView* list = w->list();
    for (auto _ : state) {
        state.PauseTiming();
        selectAll(list);
        const QPoint at = rowCentre(list, list->model()->rowCount() - 2);
        state.ResumeTiming();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        bench::settle(list);
    }
}

void bmCtrlClickWithFullSelection(benchmark::State& state) {
    auto w = listOf(static_cast<int>(state.range(0)));
    QListView* list = w->list();
    selectAll(list);
    const QPoint at = rowCentre(list, list->model()->rowCount() / 2);
    for (auto _ : state) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        bench::settle(list);
    }
}

// A quarter of the folder selected by one Shift+click, then shrunk to half of that by another.
void bmShiftClickRange(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    auto w = listOf(count);
    QListView* list = w->list();
    for (auto _ : state) {
        state.PauseTiming();
        clickRow(list, 0);
        const QPoint far = rowCentre(list, count / 4);
        state.ResumeTiming();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, far);
        bench::settle(list);
        state.PauseTiming();
        const QPoint near = rowCentre(list, count / 8);
        state.ResumeTiming();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, near);
        bench::settle(list);
    }
}

void bmShiftPageDownHeld(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    auto w = listOf(count);
    QListView* list = w->list();
    clickRow(list, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(list, count / 4));
    for (auto _ : state) {
        if (list->currentIndex().row() >= count - 100) {
            state.PauseTiming();
            clickRow(list, 0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                              rowCentre(list, count / 4));
            state.ResumeTiming();
        }
        QTest::keyPress(list, Qt::Key_PageDown, Qt::ShiftModifier, -1);
        bench::settle(list);
    }
}

// Item -> Add in a folder where "New Item" is taken, so the numbered name deselects everything else.
void bmAddItemWithAllSelected(benchmark::State& state) {
    auto w = listOf(static_cast<int>(state.range(0)) - 1);
    w->store().appendItem("New Item", "Scrivlet\\Work", "");
    w->notes().list().ListFolderItems(false);
    QListView* list = w->list();
    QAction* add = w->window.findChild<QAction*>(QStringLiteral("mItemAdd"));
    for (auto _ : state) {
        state.PauseTiming();
        selectAll(list);
        state.ResumeTiming();
        add->trigger();
        bench::settle(list);
        state.PauseTiming();
        w->form.controls().lItem.userCancelLabelEdit();
        w->store().removeItemsAt({static_cast<int16_t>(w->store().ItemCount - 1)});
        w->notes().list().ListFolderItems(false);
        state.ResumeTiming();
    }
}

// Typing one key into a note of 10 MiB, then clicking the other note, which stores the typed one.
void bmLeaveTypedNote(benchmark::State& state) {
    auto w = std::make_unique<bench::ShownWindow>();
    w->store().appendItem("Big", "Scrivlet", bench::proseOf(static_cast<std::size_t>(state.range(0))));
    w->store().appendItem("Small", "Scrivlet", "small");
    w->notes().list().ListFolderItems(false);
    QListView* list = w->list();
    QPlainTextEdit* text = w->noteBox();
    for (auto _ : state) {
        state.PauseTiming();
        clickRow(list, 0);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_A);
        state.ResumeTiming();
        clickRow(list, 1);
        bench::settle(list);
    }
}

// The floor for storing a note: reading the text out of a bare text widget.
void bmBareToPlainText(benchmark::State& state) {
    QPlainTextEdit text;
    text.setPlainText(QString::fromStdString(bench::proseOf(static_cast<std::size_t>(state.range(0)))));
    for (auto _ : state)
        benchmark::DoNotOptimize(text.toPlainText().toStdString());
}

// The day list showing entries of state.range(0) bytes each, repainted: only what a row can show is
// laid out.
void bmRepaintDayListOfLongEntries(benchmark::State& state) {
    bench::ShownWindow w;
    app::MainControls& controls = w.controls();
    controls.menu.mDateShow.userChoose();
    bench::addDays(w.form, 40,
                   [&state](int) { return std::string(static_cast<std::size_t>(state.range(0)), 'x'); });
    controls.dDateWinAll.userClick();
    auto* list = w.widget<QListView>("dBackWinDateList");
    bench::settle(list);
    for (auto _ : state)
        list->viewport()->repaint();
}

// --- Folders ---

QModelIndex nodeRow(QTreeView* tree, const ui::TreeNode& node) {
    return static_cast<qt::TreeModel*>(tree->model())->indexOf(&node);
}

QPoint nodeCentre(QTreeView* tree, const ui::TreeNode& node) {
    const QModelIndex row = nodeRow(tree, node);
    tree->scrollTo(row);
    QApplication::processEvents();
    return tree->visualRect(row).center();
}

// A drag of `from` onto `onto` with the mouse, Ctrl held at the drop for a copy.
void dragNode(bench::ShownWindow& w, const std::string& from, const std::string& onto, bool copy) {
    QTreeView* tree = w.tree();
    QWidget* viewport = tree->viewport();
    tree->scrollToTop();
    const QPoint start = nodeCentre(tree, *w.controls().lTre.Nodes.find(from));
    const QPoint end = nodeCentre(tree, *w.controls().lTre.Nodes.find(onto));
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, start + QPoint(0, QApplication::startDragDistance() + 2));
    QTest::mouseMove(viewport, end);
    QTest::mouseRelease(viewport, Qt::LeftButton, copy ? Qt::ControlModifier : Qt::NoModifier, end);
}

void pressDelete(bench::ShownWindow& w, const std::string& key) {
    QTreeView* tree = w.tree();
    tree->scrollToTop();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      nodeCentre(tree, *w.controls().lTre.Nodes.find(key)));
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Delete);
}

// Empty Trash from the menu; the entry acts on the selected Trash.
void emptyTrash(bench::ShownWindow& w) {
    w.window.findChild<QAction*>(QStringLiteral("mFolderTrashEmpty"))->trigger();
    bench::settle(w.tree());
}

// Top-level folders B and A, and below A the folder Big: either `size` folders in all, Big's children
// side by side, or a chain of `size` folders each inside the one before. Every folder is open, and the
// root and B stay in view above Big wherever Big goes.
enum class Shape { Wide, Chain };

std::unique_ptr<bench::ShownWindow> treeWith(Shape shape, int size, const std::string& name = "F") {
    auto w = std::make_unique<bench::ShownWindow>();
    notes::FolderTree& folders = w->notes().tree();
    folders.appendFolder("Scrivlet", "B");
    folders.appendFolder("Scrivlet", "A");
    folders.appendFolder("Scrivlet\\A", "Big");
    std::string parent = "Scrivlet\\A\\Big";
    for (int k = 1; k < size; ++k) {
        const std::string child = shape == Shape::Wide ? name + std::to_string(k) : name;
        if (!folders.appendFolder(parent, child))
            break;
        if (shape == Shape::Chain)
            parent += "\\" + child;
    }
    for (int i = 1; i <= w->controls().lTre.Nodes.Count(); ++i)
        w->controls().lTre.Nodes(i).setExpanded(true);
    bench::settle(w->tree());
    return w;
}

// Chains are built of names of the longest length a folder may have, the costliest keys there are.
const std::string LongestName(255, 'n');

std::unique_ptr<bench::ShownWindow> shaped(Shape shape, int size) {
    return shape == Shape::Chain ? treeWith(shape, size, LongestName) : treeWith(shape, size);
}

// Big goes from A to B, then between the root and B.
void bmMoveSubtree(benchmark::State& state, Shape shape) {
    auto w = shaped(shape, static_cast<int>(state.range(0)));
    std::string at = "Scrivlet\\A\\Big";
    for (auto _ : state) {
        const std::string onto = at == "Scrivlet\\B\\Big" ? "Scrivlet" : "Scrivlet\\B";
        dragNode(*w, at, onto, false);
        bench::settle(w->tree());
        at = onto + "\\Big";
        if (!w->store().FolderExists(at))
            state.SkipWithError("the subtree did not move");
    }
}

void bmCopySubtree(benchmark::State& state, Shape shape) {
    auto w = shaped(shape, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        dragNode(*w, "Scrivlet\\A\\Big", "Scrivlet\\B", true);
        bench::settle(w->tree());
        if (!w->store().FolderExists("Scrivlet\\B\\Big")) {
            state.SkipWithError("the subtree was not copied");
            break;
        }
        state.PauseTiming();
        pressDelete(*w, "Scrivlet\\B\\Big");
        w->controls().lTre.userClickNode(2);
        emptyTrash(*w);
        state.ResumeTiming();
    }
}

// Delete moves Big to the Trash; Empty Trash then removes it for good. Big is rebuilt untimed.
void bmDeleteSubtree(benchmark::State& state, Shape shape) {
    for (auto _ : state) {
        state.PauseTiming();
        auto w = shaped(shape, static_cast<int>(state.range(0)));
        state.ResumeTiming();
        pressDelete(*w, "Scrivlet\\A\\Big");
        bench::settle(w->tree());
        if (!w->store().FolderExists("Trash\\Big")) {
            state.SkipWithError("the subtree was not deleted");
            break;
        }
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}

void bmEmptyTrash(benchmark::State& state, Shape shape) {
    for (auto _ : state) {
        state.PauseTiming();
        auto w = shaped(shape, static_cast<int>(state.range(0)));
        pressDelete(*w, "Scrivlet\\A\\Big");
        bench::settle(w->tree());
        w->controls().lTre.userClickNode(2);
        state.ResumeTiming();
        emptyTrash(*w);
        if (w->store().lastFolder() != 4) {
            state.SkipWithError("the Trash was not emptied");
            break;
        }
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}

// The process's resident memory, or its peak since the last reset, in MiB.
double residentMiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(field))
            return std::stod(line.substr(std::string_view(field).size())) / 1024.0;
    return 0.0;
}

void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The peak memory above the shown window while an open chain of the longest names is built, moved,
// copied, deleted and emptied from the Trash.
void bmChainMemory(benchmark::State& state) {
    for (auto _ : state) {
        auto idle = std::make_unique<bench::ShownWindow>();
        idle.reset();
        const double before = residentMiB("VmRSS:");
        resetPeak();
        auto w = shaped(Shape::Chain, static_cast<int>(state.range(0)));
        dragNode(*w, "Scrivlet\\A\\Big", "Scrivlet\\B", false);
        bench::settle(w->tree());
        dragNode(*w, "Scrivlet\\B\\Big", "Scrivlet", true);
        bench::settle(w->tree());
        pressDelete(*w, "Scrivlet\\B\\Big");
        bench::settle(w->tree());
        w->controls().lTre.userClickNode(2);
        emptyTrash(*w);
        state.counters["MiB"] = residentMiB("VmHWM:") - before;
    }
}

// --- The closing table ---

struct Row {
    std::string gesture;
    bench::Budget budget;
    int gesturesPerIteration = 1;
    // A row of memory shows the counter MiB instead of the time.
    bool memory = false;
};

// Each benchmark's row of the table, by the name it is registered under.
std::map<std::string, Row>& rows() {
    static std::map<std::string, Row> table;
    return table;
}

struct Result {
    std::string gesture;
    std::string size;
    double value;
    bench::Budget budget;
    bool failed;
};

class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name;
            const auto row = rows().find(name);
            if (row == rows().end())
                continue;
            if (row->second.memory) {
                results.push_back({row->second.gesture + " (MiB)", run.run_name.args,
                                   run.counters.at("MiB").value, row->second.budget, run.error_occurred});
                continue;
            }
            const double milliseconds = run.GetAdjustedRealTime() /
                                        benchmark::GetTimeUnitMultiplier(run.time_unit) * 1000.0 /
                                        row->second.gesturesPerIteration;
            results.push_back({row->second.gesture, run.run_name.args, milliseconds, row->second.budget,
                               run.error_occurred});
        }
    }
    std::vector<Result> results;
};

void add(const std::string& name, const Row& row, benchmark::internal::Benchmark* b,
         std::vector<int64_t> sizes, int iterations) {
    rows()[name] = row;
    for (int64_t size : sizes)
        b->Arg(size);
    b->Unit(benchmark::kMillisecond)->Iterations(iterations);
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreenUnlessChosen();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    const std::vector<int64_t> lists = {8192, 32767};
    const std::vector<int64_t> subtrees = {4000, 16000};
    add("BM_ShiftEndFromTheFirst", {"Shift+End from the first note", bench::Budget::wholeTable()},
        benchmark::RegisterBenchmark("BM_ShiftEndFromTheFirst", bmShiftEndFromTheFirst), lists, 5);
    add("BM_ClickCollapsingFullSelection", {"click while all are selected", bench::Budget::singleGesture()},
        benchmark::RegisterBenchmark("BM_ClickCollapsingFullSelection", bmClickCollapsingFullSelection),
        lists, 5);
    add("BM_CtrlClickWithFullSelection",
        {"Ctrl+click while all are selected", bench::Budget::singleGesture()},
        benchmark::RegisterBenchmark("BM_CtrlClickWithFullSelection", bmCtrlClickWithFullSelection), lists,
        20);
    add("BM_ShiftClickRange", {"Shift+click a quarter, then an eighth", bench::Budget::singleGesture(), 2},
        benchmark::RegisterBenchmark("BM_ShiftClickRange", bmShiftClickRange), lists, 5);
    add("BM_ShiftPageDownHeld", {"Shift+PageDown held, per repeat", bench::Budget::singleGesture()},
        benchmark::RegisterBenchmark("BM_ShiftPageDownHeld", bmShiftPageDownHeld), lists, 50);
    add("BM_AddItemWithAllSelected", {"Item > Add with all selected", bench::Budget::singleGesture()},
        benchmark::RegisterBenchmark("BM_AddItemWithAllSelected", bmAddItemWithAllSelected), lists, 5);
    add("BM_MoveWide", {"drag-move of an open subtree", bench::Budget::wholeTable()},
        benchmark::RegisterBenchmark("BM_MoveWide", bmMoveSubtree, Shape::Wide), subtrees, 4);
    add("BM_CopyWide", {"Ctrl+drag copy of an open subtree", bench::Budget::wholeTable()},
        benchmark::RegisterBenchmark("BM_CopyWide", bmCopySubtree, Shape::Wide), subtrees, 3);
    add("BM_DeleteWide", {"Delete of an open subtree", bench::Budget::wholeTable()},
        benchmark::RegisterBenchmark("BM_DeleteWide", bmDeleteSubtree, Shape::Wide), subtrees, 3);
    add("BM_EmptyTrashWide", {"Empty Trash holding an open subtree", bench::Budget::wholeTable()},
        benchmark::RegisterBenchmark("BM_EmptyTrashWide", bmEmptyTrash, Shape::Wide), subtrees, 3);
    // Big is at depth 2, so a chain of one folder fewer than the depth limit reaches the deepest level.
    const std::vector<int64_t> chains = {notes::MaxFolderDepth / 4, notes::MaxFolderDepth - 1};
    add("BM_ChainMemory",
        {"peak memory, an open chain moved, copied, deleted", bench::Budget::peakMemory(100.0), 1, true},
        benchmark::RegisterBenchmark("BM_ChainMemory", bmChainMemory), chains, 1);
    add("BM_MoveChain", {"drag-move of an open chain", bench::Budget::wholeTable()},
        benchmark::RegisterBenchmark("BM_MoveChain", bmMoveSubtree, Shape::Chain), chains, 4);
    add("BM_CopyChain", {"Ctrl+drag copy of an open chain", bench::Budget::wholeTable()},
        benchmark::RegisterBenchmark("BM_CopyChain", bmCopySubtree, Shape::Chain), chains, 3);
    add("BM_DeleteChain", {"Delete of an open chain", bench::Budget::wholeTable()},
        benchmark::RegisterBenchmark("BM_DeleteChain", bmDeleteSubtree, Shape::Chain), chains, 3);
    add("BM_EmptyTrashChain", {"Empty Trash holding an open chain", bench::Budget::wholeTable()},
        benchmark::RegisterBenchmark("BM_EmptyTrashChain", bmEmptyTrash, Shape::Chain), chains, 3);
    add("BM_LeaveTypedNote", {"leaving a typed note", bench::Budget::ratioToBareWidget(2.0)},
        benchmark::RegisterBenchmark("BM_LeaveTypedNote", bmLeaveTypedNote), {1 << 20, 10 << 20}, 3);
    add("BM_RepaintDayListOfLongEntries",
        {"repaint of a day list of long entries", bench::Budget::singleGesture()},
        benchmark::RegisterBenchmark("BM_RepaintDayListOfLongEntries", bmRepaintDayListOfLongEntries),
        {64 << 10, 1 << 20}, 20);
    add("BM_BareToPlainText", {"reading a bare text widget", bench::Budget::reference()},
        benchmark::RegisterBenchmark("BM_BareToPlainText", bmBareToPlainText), {1 << 20, 10 << 20}, 3);

    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::map<std::string, double> bareRead;
    for (const Result& r : reporter.results)
        if (r.budget.kind == bench::Budget::Kind::Reference)
            bareRead[r.size] = r.value;
    std::vector<bench::Figure> figures;
    for (const Result& r : reporter.results) {
        const double limit = r.budget.kind == bench::Budget::Kind::RatioToBareWidget
                                 ? r.budget.limit * bareRead[r.size]
                                 : r.budget.limit;
        figures.push_back({r.gesture, r.size, r.value, r.budget, limit, r.failed});
    }
    return bench::printFigures(figures);
}
