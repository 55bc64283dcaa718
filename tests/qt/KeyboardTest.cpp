#include "tests/qt/GuiFixture.h"

using namespace tests;

namespace {

// Keys as a person types them: to whatever holds the keyboard, or nowhere.
void type(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus != nullptr, "the keyboard is nowhere");
    QTest::keyClicks(focus, text);
}

// One gesture, ending with Qt back in its event loop: "note" adds a named note, "scheduler" opens the
// day editor, "tick MM-DD-YYYY" is the date timer's tick on that day, "click" clicks whatever holds the
// keyboard, anything else is the menu entry of that name.
void play(SkinWindow& w, const QString& gesture) {
    if (gesture == QLatin1String("note")) {
        triggerEnabled(w.action(QStringLiteral("mItemAdd")));
        QTRY_VERIFY(openEditor(w.list()) != nullptr);
        QTest::keyClick(openEditor(w.list()), Qt::Key_Return);
    } else if (gesture == QLatin1String("scheduler")) {
        triggerEnabled(w.action(QStringLiteral("mDateShow")));
        QTest::mouseClick(w.widget<QPlainTextEdit>(QStringLiteral("dDateWinText"))->viewport(),
                          Qt::LeftButton);
    } else if (gesture.startsWith(QLatin1String("tick "))) {
        w.platform.date = gesture.mid(5).toStdString();
        auto* timer = w.window.findChild<QTimer*>(QStringLiteral("dDateWinTimer"));
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
    } else if (gesture == QLatin1String("click")) {
        QTest::mouseClick(QApplication::focusWidget(), Qt::LeftButton);
    } else {
        triggerEnabled(w.action(gesture));
    }
    QCoreApplication::processEvents();
}

// The keyboard somewhere, then "before" typed, then a program step that takes the keyboard's control
// away, or shuts it on the way and opens it again: the keyboard is then where the user acts next, and
// "before" stayed where it was typed (in the day row or the box named, when one is).
const struct {
    const char* name;
    const char* before;
    const char* step;
    const char* holder;
    const char* typedInto;
    const char* holds;
} Cases[] = {
    {"midnight, the new day among the rows", "scheduler", "tick 11-21-2002", "dDateWinText", "19",
     "11-20 Wednesday: before"},
    {"midnight past the rows", "scheduler,tick 12-10-2002", "tick 12-11-2002", "dBackWinDateList", "39",
     "12-10 Tuesday: before"},
    {"the note box loses its only note", "note", "mItemDelete", "lTre", "", ""},
    {"the note box loses its note among others", "note,note", "mItemDelete", "lItem", "", ""},
    {"the calculator closed", "mNumbraShow", "mNumbraShow", "lTre", "", ""},
    {"the scheduler opened over the calculator", "mNumbraShow", "mDateShow", "dBackWinDateList", "", ""},
    {"the calculator opened over the scheduler", "scheduler", "mNumbraShow", "cCalcWinInput", "dDateWinText",
     "before"},
    {"the about box", "note", "mOptionsAbout", "frmInfo", "lText", "before"},
    {"the about box closed", "note,mOptionsAbout", "click", "lText", "lText", ""},
};

} // namespace

class KeyboardTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openActiveWindow();
        QVERIFY(w().form.notes().tree().appendFolder("Scrivlet", "A"));
        w().controls().lTre.Nodes(1).setExpanded(true);
        clickTreeNode(w().tree(), QStringLiteral("A"));
    }

    void cleanup() { closeWindow(); }

    void aProgramStepLeavesTheKeyboardWhereTheUserActsNext_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(Cases)); ++row)
            QTest::newRow(Cases[row].name) << row;
    }

    void aProgramStepLeavesTheKeyboardWhereTheUserActsNext() {
        QFETCH(int, row);
        const auto& c = Cases[row];
        for (const QString& gesture : QString::fromLatin1(c.before).split(u','))
            play(w(), gesture);
        type(QStringLiteral("before"));
        play(w(), QLatin1String(c.step));
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(c.holder));
        if (QLatin1String(c.holder) == QLatin1String("frmInfo")) // closed, or it would outlive the window
            play(w(), QStringLiteral("click"));
        const QString into = QLatin1String(c.typedInto);
        bool isRow = false;
        const int dateRow = into.toInt(&isRow);
        const auto* dates = w().widget<QListView>(QStringLiteral("dBackWinDateList"));
        if (isRow)
            QCOMPARE(dates->model()->index(dateRow, 0).data().toString(), QLatin1String(c.holds));
        else if (!into.isEmpty())
            QCOMPARE(w().widget<QPlainTextEdit>(into)->toPlainText(), QLatin1String(c.holds));
        // Typing goes on where the keyboard went; the day the tick opened starts empty, and its tab and
        // row name it.
        if (row == 0) {
            type(QStringLiteral("after"));
            QCOMPARE(w().widget<QPlainTextEdit>(QStringLiteral("dDateWinText"))->toPlainText(),
                     QStringLiteral("after"));
            QCOMPARE(w().widget<QLabel>(QStringLiteral("dDateMenuDisplay"))->text(),
                     QStringLiteral("21 November 2002"));
            QCOMPARE(dates->selectionModel()->selectedIndexes(),
                     QModelIndexList{dates->model()->index(20, 0)});
        }
    }

    // Tab into a list that has lines and none selected: no line is current, so none shows the focus
    // frame the control does not hold, and Down then selects the first.
    void aListTabbedIntoShowsNoLineItDoesNotHold() {
        for (const char* gesture : {"note", "note", "mItemDelete", "mNumbraShow"})
            play(w(), QLatin1String(gesture));
        for (const char* name : {"lItem", "cCalcWinVarList"}) {
            auto* list = w().widget<QAbstractItemView>(QLatin1String(name));
            QWidget* before = list->previousInFocusChain();
            while (!before->isVisible() || before->focusPolicy() == Qt::NoFocus)
                before = before->previousInFocusChain();
            before->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(before, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), list);
            QVERIFY2(!list->currentIndex().isValid(), name);
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->selectionModel()->selectedIndexes(), QModelIndexList{list->model()->index(0, 0)});
        }
    }
};

SKIN_TEST_CLASS(KeyboardTest)

#include "KeyboardTest.moc"
