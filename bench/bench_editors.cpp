// The note box and the day editor with text as it is pasted from anywhere: one unbroken line (a base64
// blob, minified JSON) pasted and shown again after another note, and 10 MiB next to a bare text widget,
// the floor the window is measured against.
#include "bench/ShownWindow.h"
#include "bench/StartTables.h"

#include <QApplication>
#include <QClipboard>

#include <benchmark/benchmark.h>

namespace {

// Up to the text laid out and painted, as the user would see it.
void paste(QPlainTextEdit& editor, const QString& text) {
    QApplication::clipboard()->setText(text);
    editor.selectAll();
    editor.paste();
    editor.viewport()->repaint();
}

QString unbrokenLine(benchmark::State& state) {
    return QString(static_cast<qsizetype>(state.range(0)), QLatin1Char('x'));
}

// Two items, the first one shown in the note box.
QPlainTextEdit& firstOfTwoNotes(bench::ShownWindow& shown) {
    shown.store().appendItem("Pasted", "Scrivlet", "");
    shown.store().appendItem("Other", "Scrivlet", "");
    shown.notes().list().ListFolderItems(false);
    shown.controls().lItem.userClickItem(1);
    return *shown.noteBox();
}

// The scheduler open at the month of the scripted clock, its first day shown in the day editor.
QPlainTextEdit& dayEditor(bench::ShownWindow& shown) {
    shown.controls().dDateWinBack.setVisible(true);
    shown.controls().dBackWinDateList.userClickItem(1);
    QApplication::processEvents();
    return *shown.widget<QPlainTextEdit>("dDateWinText");
}

// An editor and the list whose first two rows it switches between.
struct SwitchedEditor {
    QPlainTextEdit& editor;
    ui::ListView& rows;
};

SwitchedEditor noteBox(bench::ShownWindow& shown) {
    return {firstOfTwoNotes(shown), shown.controls().lItem};
}

SwitchedEditor dayEditorOfMonth(bench::ShownWindow& shown) {
    return {dayEditor(shown), shown.controls().dBackWinDateList};
}

void bmPasteUnbrokenLine(benchmark::State& state, SwitchedEditor (*open)(bench::ShownWindow&)) {
    bench::ShownWindow shown;
    QPlainTextEdit& editor = open(shown).editor;
    const QString line = unbrokenLine(state);
    for (auto _ : state)
        paste(editor, line);
}
BENCHMARK_CAPTURE(bmPasteUnbrokenLine, NoteBox, &noteBox)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bmPasteUnbrokenLine, DayEditor, &dayEditorOfMonth)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// The text is stored when the other row is clicked, and laid out again when its own is clicked back.
void bmShowUnbrokenLineAgain(benchmark::State& state, SwitchedEditor (*open)(bench::ShownWindow&)) {
    bench::ShownWindow shown;
    const SwitchedEditor opened = open(shown);
    paste(opened.editor, unbrokenLine(state));
    for (auto _ : state) {
        state.PauseTiming();
        opened.rows.userClickItem(2);
        opened.editor.viewport()->repaint();
        state.ResumeTiming();
        opened.rows.userClickItem(1);
        opened.editor.viewport()->repaint();
    }
}
BENCHMARK_CAPTURE(bmShowUnbrokenLineAgain, NoteBox, &noteBox)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bmShowUnbrokenLineAgain, DayEditor, &dayEditorOfMonth)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// 10 MiB, as one line and as prose in lines of 63 characters, into the note box and into a bare widget,
// which for the line is given its fastest wrap.
QString tenMiB(bool unbroken) {
    constexpr int Size = 10 << 20;
    return unbroken ? QString(Size, QLatin1Char('x')) : QString::fromStdString(bench::proseOf(Size));
}

void bmPaste10MiBNoteBox(benchmark::State& state) {
    bench::ShownWindow shown;
    QPlainTextEdit& editor = firstOfTwoNotes(shown);
    const QString text = tenMiB(state.range(0) != 0);
    for (auto _ : state)
        paste(editor, text);
}
BENCHMARK(bmPaste10MiBNoteBox)->ArgName("unbroken")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void bmPaste10MiBBareWidget(benchmark::State& state) {
    QPlainTextEdit editor;
    if (state.range(0) != 0)
        editor.setWordWrapMode(QTextOption::WrapAnywhere);
    bench::showBare(editor);
    const QString text = tenMiB(state.range(0) != 0);
    for (auto _ : state)
        paste(editor, text);
}
BENCHMARK(bmPaste10MiBBareWidget)->ArgName("unbroken")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

QString prose(benchmark::State& state) {
    return QString::fromStdString(bench::proseOf(static_cast<std::size_t>(state.range(0))));
}

// What storing a typed note costs: the control reads the text back from the note box.
void bmStoreTypedNote(benchmark::State& state) {
    bench::ShownWindow shown;
    QPlainTextEdit& editor = firstOfTwoNotes(shown);
    editor.setPlainText(prose(state));
    ui::TextBox& control = shown.controls().lText;
    for (auto _ : state) {
        state.PauseTiming();
        control.userModified();
        state.ResumeTiming();
        benchmark::DoNotOptimize(control.Text());
    }
}
BENCHMARK(bmStoreTypedNote)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

// The floor for storing: a bare widget's plain text.
void bmPlainTextBareWidget(benchmark::State& state) {
    QPlainTextEdit editor;
    editor.setPlainText(prose(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.toPlainText());
}
BENCHMARK(bmPlainTextBareWidget)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

} // namespace
