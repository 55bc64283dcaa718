#include "qt/ElidingLabel.h"
#include "tests/qt/GuiFixture.h"
#include "tools/screenshot/PinnedApplication.h"

namespace {

// Pastes `bytes` as the clipboard holds them, UTF-8 or not, over the whole text of `editor`.
void paste(QPlainTextEdit* editor, const QByteArray& bytes) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), bytes);
    QApplication::clipboard()->setMimeData(data);
    editor->selectAll();
    editor->paste();
}

// Hostile text through the real widgets: whatever is pasted is stored as the box shows it, and the
// window stays usable on a screen smaller than its design (this suite runs on a 640 x 480 screen, and
// its size checks also at twice the scale).
class HostileSkinTest : public tests::WindowPerTest {
    Q_OBJECT

    QPlainTextEdit* noteBox() { return window_->widget<QPlainTextEdit>(QStringLiteral("lText")); }
    notes::NotesStore& store() { return window_->form.notes().store(); }

    // Two items; the first one shown in the note box.
    void showTwoItems() {
        store().appendItem("Pasted", "Scrivlet", "");
        store().appendItem("Other", "Scrivlet", "");
        window_->form.notes().list().ListFolderItems(false);
        window_->controls().lItem.userClickItem(1);
    }

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void pastedTextIsStoredAsShown_data() {
        QTest::addColumn<QByteArray>("pasted");
        QTest::addColumn<QByteArray>("stored");
        // Characters kept as they are, typed or pasted, are in the random gestures' typing.
        QTest::newRow("NUL") << QByteArray("a\0b", 3) << QByteArray("a\0b", 3);
        QTest::newRow("paragraph separator") << QByteArray("a\u2029b") << QByteArray("a\nb");
        QTest::newRow("U+FDD0") << QByteArray("a\uFDD0b") << QByteArray("a\nb");
        QTest::newRow("U+FDD1") << QByteArray("a\uFDD1b") << QByteArray("a\nb");
        QTest::newRow("lone CR") << QByteArray("a\rb") << QByteArray("a\nb");
        QTest::newRow("CRLF") << QByteArray("a\r\nb") << QByteArray("a\nb");
        QTest::newRow("invalid UTF-8") << QByteArray("a\xFFz") << QByteArray("a\uFFFDz");
    }

    // In both editors: the note is stored when another item, or another day, is clicked.
    void pastedTextIsStoredAsShown() {
        QFETCH(QByteArray, pasted);
        QFETCH(QByteArray, stored);
        showTwoItems();
        paste(noteBox(), pasted);
        window_->controls().lItem.userClickItem(2);
        QCOMPARE(QByteArray::fromStdString(store().ItemText[0]), stored);

        window_->controls().dDateWinBack.setVisible(true);
        window_->controls().dBackWinDateList.userClickItem(1);
        paste(window_->widget<QPlainTextEdit>(QStringLiteral("dDateWinText")), pasted);
        window_->controls().dBackWinDateList.userClickItem(2);
        const app::DayEntries& days = window_->form.scheduler().list().entries();
        QCOMPARE(days.EntryCount, int16_t(1));
        QCOMPARE(QByteArray::fromStdString(days.EntryText[0]), stored);
    }

    // A paragraph too long to wrap word by word wraps anywhere, until a text without one is shown; a
    // paste of 100 MB is stored whole.
    void longParagraphsWrapAnywhereAndHugePastesAreStoredWhole() {
        showTwoItems();
        paste(noteBox(), QByteArray(1'000'000, 'x'));
        QCOMPARE(noteBox()->wordWrapMode(), QTextOption::WrapAnywhere);
        window_->controls().lItem.userClickItem(2);
        QCOMPARE(noteBox()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        QCOMPARE(store().ItemText[0], std::string(1'000'000, 'x'));

        const QByteArray huge = (QByteArray(99, 'y') + '\n').repeated(1'000'000);
        window_->controls().lItem.userClickItem(1);
        paste(noteBox(), huge);
        QCOMPARE(noteBox()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        window_->controls().lItem.userClickItem(2);
        QVERIFY(store().ItemText[0] == huge.toStdString());
    }

    // Every part of the window, the panel tabs included, lies on the screen; on it and at the window's
    // smallest size, the date tab breaks its caption between words only, and the calculator's
    // information lines show whole, without scrolling.
    void theWindowFitsASmallScreenAndReadsWhole() {
        const QRect screen = window_->window.screen()->availableGeometry();
        QVERIFY(screen.width() < 900);
        QVERIFY(window_->window.width() <= screen.width());
        QVERIFY(window_->window.height() <= screen.height());
        auto* tabs = window_->widget<QWidget>(QStringLiteral("panelTabs"));
        const QRect onWindow(tabs->mapTo(&window_->window, QPoint()), tabs->size());
        QVERIFY(window_->window.rect().contains(onWindow));
        window_->platform.date = "12-07-2026";
        auto* timer = window_->window.findChild<QTimer*>(QStringLiteral("dDateWinTimer"));
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
        tests::triggerEnabled(window_->action(QStringLiteral("mNumbraShow")));
        for (const bool smallest : {false, true}) {
            if (smallest)
                window_->window.resize(window_->window.minimumSize());
            QTest::qWait(50);
            const auto* caption = window_->widget<qt::ElidingLabel>(QStringLiteral("dDateMenuDisplay"));
            QCOMPARE(caption->shownLines().join(u' '), QStringLiteral("07 December 2026"));
            auto* info = window_->widget<QPlainTextEdit>(QStringLiteral("cCalcWinInfo"));
            QCOMPARE(info->horizontalScrollBar()->maximum(), 0);
            QTextCursor end(info->document());
            end.movePosition(QTextCursor::End);
            QVERIFY(info->cursorRect(end).bottom() < info->viewport()->height());
            QCOMPARE(info->verticalScrollBar()->value(), 0);
            QVERIFY(info->font().pointSizeF() >= 7);
        }
    }
};

} // namespace

int main(int argc, char* argv[]) {
    // SKIN_SETTING=scaled: twice Qt's scale on a desktop screen instead.
    const bool scaled = qgetenv("SKIN_SETTING") == "scaled";
    screenshot::PinnedApplication application(
        argc, argv, scaled ? screenshot::Setting{.scale = 2} : screenshot::Setting{.screen = {640, 480}});
    HostileSkinTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HostileSkinTest.moc"
