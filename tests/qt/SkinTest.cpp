#include "tests/qt/GuiFixture.h"

using namespace tests;

class SkinTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    void showEntriesAndTabsSwitchThePanels() {
        auto* calculator = w().widget<QFrame>(QStringLiteral("cCalcWinBack"));
        auto* scheduler = w().widget<QFrame>(QStringLiteral("dDateWinBack"));
        QCOMPARE(calculator->frameStyle(), scheduler->frameStyle());
        QCOMPARE(QPair(calculator->minimumWidth(), calculator->maximumWidth()),
                 QPair(scheduler->minimumWidth(), scheduler->maximumWidth()));
        // Every tab part and Show entry of both panels, each opening and closing its panel.
        const struct {
            const char* gesture;
            bool calculatorShown;
            bool schedulerShown;
        } steps[] = {
            {"mNumbraShow", true, false},       {"mDateShow", false, true},
            {"mDateShow", false, false},        {"cCalcMenuButton", true, false},
            {"cCalcMenuBack", false, false},    {"dDateMenuButton", false, true},
            {"dDateMenuDisplay", false, false}, {"dDateMenuBack", false, true},
            {"cCalcMenuResult", true, false},   {"mNumbraShow", false, false},
        };
        for (const auto& step : steps) {
            const QString gesture = QLatin1String(step.gesture);
            if (gesture.startsWith(QLatin1Char('m'))) {
                triggerEnabled(w().action(gesture));
            } else {
                QWidget* tab = w().widget<QWidget>(gesture);
                // Away from any child, so the click lands on the strip itself where it is meant to.
                const QPoint at = qobject_cast<QFrame*>(tab) != nullptr
                                      ? QPoint(tab->width() / 2, tab->height() - 3)
                                      : tab->rect().center();
                QTest::mouseClick(tab, Qt::LeftButton, {}, at);
            }
            QVERIFY2(calculator->isVisible() == step.calculatorShown, step.gesture);
            QVERIFY2(scheduler->isVisible() == step.schedulerShown, step.gesture);
            // The check marks and the calculator's context entries follow the panels.
            QVERIFY2(w().action(QStringLiteral("mNumbraShow"))->isChecked() == step.calculatorShown,
                     step.gesture);
            QVERIFY2(w().action(QStringLiteral("mDateShow"))->isChecked() == step.schedulerShown,
                     step.gesture);
            const auto entries =
                w().window.findChildren<QAction*>(QRegularExpression(QStringLiteral("^mNumbra(1|_\\d)$")));
            QCOMPARE(entries.size(), 8);
            for (const QAction* entry : entries)
                QVERIFY2(entry->isVisible() == step.calculatorShown, qPrintable(entry->objectName()));
        }
    }

    void listGesturesReachTheControlAndClosingAsksTheFormToEnd() {
        QVERIFY(w().form.Notes().Store().AppendItem("Note", "Scrivlet", ""));
        w().form.Notes().List().ListFolderItems(false);
        auto keys = std::make_shared<std::vector<int>>();
        w().controls().lItem.KeyUp.connect(
            [keys](int16_t code, int16_t shift) { keys->push_back(code * 10 + shift); });

        QTest::mouseClick(w().list()->viewport(), Qt::LeftButton, {},
                          QPoint(5, w().list()->viewport()->height() - 5));
        QVERIFY(w().controls().lItem.SelectedItem() == nullptr);

        w().list()->setFocus();
        QTest::keyClick(w().list(), Qt::Key_Delete, Qt::ShiftModifier);
        // Releasing Shift after Delete is a key of its own.
        QCOMPARE(*keys, (std::vector<int>{ui::vbKeyDelete * 10 + ui::vbShiftMask, 16 * 10}));

        w().window.close();
        QCOMPARE(w().platform.endRequests, 1);
        QVERIFY(w().window.isVisible());
        triggerEnabled(w().action(QStringLiteral("mFileMenu_2")));
        QCOMPARE(w().platform.endRequests, 2);
    }
};

SKIN_TEST_CLASS(SkinTest)

#include "SkinTest.moc"
