#include "tests/qt/GuiFixture.h"

using namespace tests;

namespace {

// Keys as a person types them: to whatever holds the keyboard, or nowhere.
void type(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus != nullptr, "the keyboard is nowhere");
    QTest::keyClicks(focus, text);
}

// The date timer's tick on the day `date`, and the end of the step it runs.
void tick(SkinWindow& w, const char* date) {
    w.platform.date = date;
    auto* timer = w.window.findChild<QTimer*>(QStringLiteral("dDateWinTimer"));
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
    QCoreApplication::processEvents();
}

QPlainTextEdit* editor(SkinWindow& w) {
    return w.widget<QPlainTextEdit>(QStringLiteral("dDateWinText"));
}

QString dateRow(SkinWindow& w, int row) {
    const QListView* list = w.widget<QListView>(QStringLiteral("dBackWinDateList"));
    return list->model()->index(row, 0).data().toString();
}

void openScheduler(SkinWindow& w) {
    triggerEnabled(w.action(QStringLiteral("mDateShow")));
    QTest::mouseClick(editor(w)->viewport(), Qt::LeftButton);
}

// A new note, named, with the keyboard in the note box.
void addNote(SkinWindow& w) {
    triggerEnabled(w.action(QStringLiteral("mItemAdd")));
    QTRY_VERIFY(openEditor(w.list()) != nullptr);
    QTest::keyClick(openEditor(w.list()), Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lText"));
}

// A program step takes the keyboard's control away, or shuts it on the way and opens it again; after
// it, the keyboard is where the user acts next and what was typed before stayed where it was typed.
struct KeyboardCase {
    const char* name;
    void (*before)(SkinWindow&);
    void (*step)(SkinWindow&);
    const char* holder;
    void (*check)(SkinWindow&);
};

const KeyboardCase Cases[] = {
    {"midnight, the new day among the rows", openScheduler, [](SkinWindow& w) { tick(w, "11-21-2002"); },
     "dDateWinText",
     [](SkinWindow& w) {
         type(QStringLiteral("after"));
         QCOMPARE(editor(w)->toPlainText(), QStringLiteral("after"));
         QCOMPARE(dateRow(w, 19), QStringLiteral("11-20 Wednesday: before"));
     }},
    {"midnight past the rows",
     [](SkinWindow& w) {
         openScheduler(w);
         tick(w, "12-10-2002");
     },
     [](SkinWindow& w) { tick(w, "12-11-2002"); }, "dBackWinDateList",
     [](SkinWindow& w) {
         QCOMPARE(dateRow(w, 39), QStringLiteral("12-10 Tuesday: before"));
         QVERIFY(!editor(w)->isEnabled());
     }},
    {"the note box loses its only note", addNote,
     [](SkinWindow& w) { triggerEnabled(w.action(QStringLiteral("mItemDelete"))); }, "lTre", nullptr},
    {"the note box loses its note among others",
     [](SkinWindow& w) {
         addNote(w);
         addNote(w);
     },
     [](SkinWindow& w) { triggerEnabled(w.action(QStringLiteral("mItemDelete"))); }, "lItem", nullptr},
    {"the calculator closed", [](SkinWindow& w) { triggerEnabled(w.action(QStringLiteral("mNumbraShow"))); },
     [](SkinWindow& w) { triggerEnabled(w.action(QStringLiteral("mNumbraShow"))); }, "lTre", nullptr},
    {"the scheduler opened over the calculator",
     [](SkinWindow& w) { triggerEnabled(w.action(QStringLiteral("mNumbraShow"))); },
     [](SkinWindow& w) { triggerEnabled(w.action(QStringLiteral("mDateShow"))); }, "dBackWinDateList",
     nullptr},
    {"the calculator opened over the scheduler", openScheduler,
     [](SkinWindow& w) { triggerEnabled(w.action(QStringLiteral("mNumbraShow"))); }, "cCalcWinInput",
     [](SkinWindow& w) { QCOMPARE(editor(w)->toPlainText(), QStringLiteral("before")); }},
    {"the about box", addNote,
     [](SkinWindow& w) { triggerEnabled(w.action(QStringLiteral("mOptionsAbout"))); }, "frmInfo",
     [](SkinWindow& w) {
         QTest::mouseClick(QApplication::focusWidget(), Qt::LeftButton);
         QCoreApplication::processEvents();
         QTRY_COMPARE(QApplication::focusWidget(), w.widget<QWidget>(QStringLiteral("lText")));
     }},
};

} // namespace

class KeyboardTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openWindow();
        w().window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w().window));
        QVERIFY(w().form.Notes().Tree().AppendFolder("Scrivlet", "A"));
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
        const KeyboardCase& c = Cases[row];
        c.before(w());
        type(QStringLiteral("before"));
        c.step(w());
        QCoreApplication::processEvents();
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(c.holder));
        if (c.check != nullptr)
            c.check(w());
    }

    // Tab into a list that has lines and none selected: no line is current, so none shows the focus
    // frame the control does not hold, and Down then selects the first.
    void aListTabbedIntoShowsNoLineItDoesNotHold() {
        addNote(w());
        addNote(w());
        triggerEnabled(w().action(QStringLiteral("mItemDelete")));
        triggerEnabled(w().action(QStringLiteral("mNumbraShow")));
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
