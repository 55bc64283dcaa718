#include "app/MainMenu.h"
#include "tests/qt/GuiFixture.h"

#include "qt/ElidingLabel.h"

using namespace tests;

namespace {

QPoint rowCentre(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

class CalculatorSkinTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openWindow();
        triggerEnabled(w().action(QStringLiteral("mNumbraShow")));
    }

    void cleanup() { closeWindow(); }

    // The Term line and the result box hold Terms and answers of any length, as the calculator does; an
    // answer is shown from its start, in the box and in the tab.
    void longTermsAndAnswersAreWholeAndShownFromTheStart() {
        auto* input = w().widget<QLineEdit>(QStringLiteral("cCalcWinInput"));
        auto* result = w().widget<QLineEdit>(QStringLiteral("cCalcWinResult"));
        auto* tab = dynamic_cast<qt::ElidingLabel*>(w().widget<QLabel>(QStringLiteral("cCalcMenuResult")));
        QVERIFY(tab != nullptr);
        // Opening the panel gave the keyboard to the Term, so typing goes there at once.
        w().window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w().window));
        QCOMPARE(QApplication::focusWidget(), input);
        QCOMPARE(result->text(), QStringLiteral("Numbra 2.01.03"));

        input->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("1+").repeated(20000) + QStringLiteral("1"));
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(result->text(), QStringLiteral("20001"));
        QCOMPARE(tab->text(), QStringLiteral("20001"));

        const QString letters = QStringLiteral("x").repeated(40000);
        input->selectAll();
        QApplication::clipboard()->setText(letters);
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(result->text(), QLatin1Char('(') + letters + QLatin1Char(')'));
        QCOMPARE(result->cursorPosition(), 0);
        const QStringList lines = tab->shownLines();
        QVERIFY(lines.first().startsWith(QStringLiteral("(x")));
        QVERIFY2(lines.last().endsWith(QChar(0x2026)), qPrintable(lines.last()));

        // "&Add to term" appends the slot to the whole Term, in the control and in the widget alike.
        w().platform.dialogAnswers = {"1+" + std::string(39998, '0')};
        QListWidget* list = w().widget<QListWidget>(QStringLiteral("cCalcWinVarList"));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
        w().controls().menu.mNumbra[app::MainMenu::SlotAddToTerm]->userChoose();
        QCOMPARE(input->text().size(), 40000 + 1 + 40000);
        QCOMPARE(input->text().toStdString(), w().controls().cCalcWinInput.Text());

        input->selectAll();
        QTest::keyClicks(input, "help");
        QVERIFY(result->text().startsWith(QStringLiteral("Type ")));
        QCOMPARE(result->cursorPosition(), 0);
    }

    void theSlotListAnswersTheMouseAndTheKeyboardAndCopyFollowsTheItemCommand() {
        auto* list = w().widget<QListWidget>(QStringLiteral("cCalcWinVarList"));
        QCOMPARE(list->count(), 32);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 2));
        QCOMPARE(w().controls().cCalcWinVarList.ListIndex(), 2);

        w().platform.dialogAnswers = {"41"};
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 7));
        QCOMPARE(list->item(7)->text(), QStringLiteral("7 : 41"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(w().controls().cCalcWinVarList.ListIndex(), 8);

        // The keyboard does what the mouse does: Enter edits the line.
        w().platform.dialogAnswers = {"42"};
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(list->item(8)->text(), QStringLiteral("8 : 42"));

        // Ctrl+C belongs to the item commands while Copy is enabled, and to the input line otherwise.
        auto copies = std::make_shared<int>(0);
        w().menu().mItemCopy[0]->Click.connect([copies] { ++*copies; });
        auto* input = w().widget<QLineEdit>(QStringLiteral("cCalcWinInput"));
        input->setFocus();
        QTest::keyClicks(input, "6*7");
        QApplication::clipboard()->clear();
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(*copies, 0);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("6*7"));

        w().menu().mItemCopy[0]->setEnabled(true);
        QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(*copies, 1);
    }
};

} // namespace

SKIN_TEST_CLASS(CalculatorSkinTest)

#include "CalculatorSkinTest.moc"
