#include "tests/qt/GuiFixture.h"

using namespace skin_tests;

namespace {

QString rowText(const QListView* list, int row) {
    return list->model()->index(row, 0).data().toString();
}

} // namespace

class SchedulerSkinTest : public skin_tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openWindow();
        triggerEnabled(w().action(QStringLiteral("mDateShow")));
        QVERIFY(dates()->isVisible());
    }

    void cleanup() { closeWindow(); }

    void thePanelShowsTheMonthWithTodaySelected() {
        QCOMPARE(rowCount(dates()), 40);
        QCOMPARE(rowText(dates(), 19), QStringLiteral("11-20 Wednesday"));
        QVERIFY(rowSelected(dates(), 19));
        // What the colours mark is said in words.
        QCOMPARE(dates()->model()->index(19, 0).data(Qt::AccessibleDescriptionRole).toString(),
                 QStringLiteral("Today"));
        QCOMPARE(w().widget<QLineEdit>(QStringLiteral("dDateWinDisplay"))->text(),
                 QStringLiteral("November 2002"));
        QCOMPARE(w().widget<QLabel>(QStringLiteral("dDateMenuDisplay"))->text(),
                 QStringLiteral("20 November 2002"));
        QVERIFY(editor()->isEnabled());
    }

    // Tab goes from the notes into the open panel; the arrow keys on the scroll bar step a month each, and
    // Space presses a button.
    void theKeyboardReachesAndMovesThePanel() {
        w().window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w().window));
        w().list()->setFocus();
        QImage focused;
        for (const char* name : {"dDateWinDisplay", "dDateWinScroller", "dDateWinButton", "dDateWinAll",
                                 "dBackWinDateList", "dDateWinText", "cCalcMenuButton"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
            if (QLatin1String(name) == QLatin1String("dDateWinScroller")) {
                auto* scroller = w().widget<QScrollBar>(QStringLiteral("dDateWinScroller"));
                QTest::keyClick(scroller, Qt::Key_Right);
                QTest::keyClick(scroller, Qt::Key_Right);
                QTest::keyClick(scroller, Qt::Key_Left);
                QCOMPARE(display(), QStringLiteral("December 2002"));
                QCOMPARE(scroller->value(), 1);
                // A screen reader hears the month the bar has led to, and the eye sees where the focus is.
                QCOMPARE(QAccessible::queryAccessibleInterface(scroller)->text(QAccessible::Value),
                         QStringLiteral("December 2002"));
                focused = scroller->grab().toImage();
            }
            if (QLatin1String(name) == QLatin1String("dDateWinButton"))
                QVERIFY(w().widget<QScrollBar>(QStringLiteral("dDateWinScroller"))->grab().toImage() !=
                        focused);
            // Back to today's month, so that the editor is open again for Tab to stop at.
            if (QLatin1String(name) == QLatin1String("dDateWinButton")) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                QCOMPARE(display(), QStringLiteral("November 2002"));
            }
        }
    }

    // A drag reports one change when it ends, however far it went, so it moves a single month.
    void draggingTheScrollerMovesOneMonth() {
        auto* scroller = w().widget<QScrollBar>(QStringLiteral("dDateWinScroller"));
        QStyleOptionSlider option;
        option.initFrom(scroller);
        option.orientation = Qt::Horizontal;
        option.minimum = scroller->minimum();
        option.maximum = scroller->maximum();
        option.sliderPosition = option.sliderValue = scroller->value();
        option.pageStep = scroller->pageStep();
        const QRect handle = scroller->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                               QStyle::SC_ScrollBarSlider, scroller);
        QTest::mousePress(scroller, Qt::LeftButton, {}, handle.center());
        for (int x = handle.center().x(); x < scroller->width(); x += 4)
            QTest::mouseMove(scroller, QPoint(x, handle.center().y()));
        QTest::mouseRelease(scroller, Qt::LeftButton, {}, QPoint(scroller->width() - 2, handle.center().y()));
        QCOMPARE(display(), QStringLiteral("December 2002"));
        QCOMPARE(scroller->value(), 1);
    }

private:
    QListView* dates() const { return w().widget<QListView>(QStringLiteral("dBackWinDateList")); }
    QPlainTextEdit* editor() const { return w().widget<QPlainTextEdit>(QStringLiteral("dDateWinText")); }
    QString display() const { return w().widget<QLineEdit>(QStringLiteral("dDateWinDisplay"))->text(); }
};

SKIN_TEST_CLASS(SchedulerSkinTest)

#include "SchedulerSkinTest.moc"
