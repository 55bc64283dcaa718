#include "tests/qt/GuiFixture.h"

#include <QPlainTextEdit>
#include <QTest>

#include <memory>
#include <string>

using skin_tests::clickListRow;
using skin_tests::SkinWindow;

// The notes views over their models: the text box keeps the typing until the store takes it.
class NotesViewsTest : public skin_tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    // The widget keeps the typing; the store gets it when the program takes it, as with any gesture.
    void typingIsFetchedWhenTheStoreTakesIt() {
        SkinWindow& w = *window_;
        QVERIFY(w.form.Notes().Store().AppendItem("Note", "Scrivlet", std::string(100000, 'x')));
        w.form.Notes().List().ListFolderItems(false);
        clickListRow(w.list(), 0);
        auto* text = w.widget<QPlainTextEdit>(QStringLiteral("lText"));
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(text, "abc");
        QVERIFY(w.form.Notes().View().TextDirty);
        QCOMPARE(w.form.Notes().Store().ItemText[0].size(), std::size_t{100000});
        QCOMPARE(text->textCursor().position(), 3);

        clickListRow(w.list(), 0);
        QCOMPARE(w.form.Notes().Store().ItemText[0], "abc" + std::string(100000, 'x'));
        QCOMPARE(text->textCursor().position(), 3);
    }
};

QObject* newNotesViewsTest() {
    return new NotesViewsTest;
}

#include "NotesViewsTest.moc"
