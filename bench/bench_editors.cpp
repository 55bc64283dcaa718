// The note box and the day editor with text as it is pasted from anywhere: one unbroken line (a base64
// blob, minified JSON) pasted and shown again after another note, and 10 MiB next to a bare text widget,
// the floor the window is measured against.
#include "app/frmMain.h"
#include "qt/MainWindow.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <string>

namespace {

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
QPlainTextEdit& noteBox(ShownWindow& shown) {
    notes::NotesPane& notes = shown.form.Notes();
    notes.Store().AppendItem("Pasted", "Scrivlet", "");
    notes.Store().AppendItem("Other", "Scrivlet", "");
    notes.List().ListFolderItems(false);
    shown.form.Controls().lItem.userClickItem(1);
    return *shown.window.findChild<QPlainTextEdit*>(QStringLiteral("lText"));
}

// The scheduler open at the month of the scripted clock, its first day shown in the day editor.
QPlainTextEdit& dayEditor(ShownWindow& shown) {
    shown.form.Controls().dDateWinBack.setVisible(true);
    shown.form.Controls().dBackWinDateList.userClickItem(1);
    QApplication::processEvents();
    return *shown.window.findChild<QPlainTextEdit*>(QStringLiteral("dDateWinText"));
}

void BM_PasteUnbrokenLine_NoteBox(benchmark::State& state) {
    ShownWindow shown;
    QPlainTextEdit& editor = noteBox(shown);
    const QString line = unbrokenLine(state);
    for (auto _ : state)
        paste(editor, line);
}
BENCHMARK(BM_PasteUnbrokenLine_NoteBox)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The note is stored when another one is clicked, and laid out again when it is clicked back.
void BM_ShowUnbrokenLineAgain_NoteBox(benchmark::State& state) {
    ShownWindow shown;
    QPlainTextEdit& editor = noteBox(shown);
    paste(editor, unbrokenLine(state));
    ui::ListView& list = shown.form.Controls().lItem;
    for (auto _ : state) {
        state.PauseTiming();
        list.userClickItem(2);
        editor.viewport()->repaint();
        state.ResumeTiming();
        list.userClickItem(1);
        editor.viewport()->repaint();
    }
}
BENCHMARK(BM_ShowUnbrokenLineAgain_NoteBox)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_PasteUnbrokenLine_DayEditor(benchmark::State& state) {
    ShownWindow shown;
    QPlainTextEdit& editor = dayEditor(shown);
    const QString line = unbrokenLine(state);
    for (auto _ : state)
        paste(editor, line);
}
BENCHMARK(BM_PasteUnbrokenLine_DayEditor)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_ShowUnbrokenLineAgain_DayEditor(benchmark::State& state) {
    ShownWindow shown;
    QPlainTextEdit& editor = dayEditor(shown);
    paste(editor, unbrokenLine(state));
    ui::ListView& list = shown.form.Controls().dBackWinDateList;
    for (auto _ : state) {
        state.PauseTiming();
        list.userClickItem(2);
        editor.viewport()->repaint();
        state.ResumeTiming();
        list.userClickItem(1);
        editor.viewport()->repaint();
    }
}
BENCHMARK(BM_ShowUnbrokenLineAgain_DayEditor)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// 10 MiB, as one line and as prose in lines of 63 characters, into the note box and into a bare widget,
// which for the line is given its fastest wrap.
QString tenMiB(bool unbroken) {
    const qsizetype size = qsizetype(10) << 20;
    if (unbroken)
        return QString(size, QLatin1Char('x'));
    const QString line = QString(63, QLatin1Char('x')) + QLatin1Char('\n');
    return line.repeated(size / line.size());
}

void BM_Paste10MiB_NoteBox(benchmark::State& state) {
    ShownWindow shown;
    QPlainTextEdit& editor = noteBox(shown);
    const QString text = tenMiB(state.range(0) != 0);
    for (auto _ : state)
        paste(editor, text);
}
BENCHMARK(BM_Paste10MiB_NoteBox)->ArgName("unbroken")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Paste10MiB_BareWidget(benchmark::State& state) {
    QPlainTextEdit editor;
    editor.resize(500, 400);
    if (state.range(0) != 0)
        editor.setWordWrapMode(QTextOption::WrapAnywhere);
    editor.show();
    QApplication::processEvents();
    const QString text = tenMiB(state.range(0) != 0);
    for (auto _ : state)
        paste(editor, text);
}
BENCHMARK(BM_Paste10MiB_BareWidget)->ArgName("unbroken")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

QString prose(benchmark::State& state) {
    const QString line = QString(63, QLatin1Char('x')) + QLatin1Char('\n');
    return line.repeated(static_cast<qsizetype>(state.range(0)) / line.size());
}

// What storing a typed note costs: the control reads the text back from the note box.
void BM_StoreTypedNote(benchmark::State& state) {
    ShownWindow shown;
    QPlainTextEdit& editor = noteBox(shown);
    editor.setPlainText(prose(state));
    ui::TextBox& control = shown.form.Controls().lText;
    for (auto _ : state) {
        state.PauseTiming();
        control.userModified();
        state.ResumeTiming();
        benchmark::DoNotOptimize(control.Text());
    }
}
BENCHMARK(BM_StoreTypedNote)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

// The floor for storing: a bare widget's plain text.
void BM_PlainText_BareWidget(benchmark::State& state) {
    QPlainTextEdit editor;
    editor.setPlainText(prose(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.toPlainText());
}
BENCHMARK(BM_PlainText_BareWidget)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

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
