#include "tests/qt/GuiFixture.h"

using namespace tests;

class SchedulerSkinTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openWindow();
        triggerEnabled(w().action(QStringLiteral("mDateShow")));
        QVERIFY(dates()->isVisible());
    }

    void cleanup() { closeWindow(); }

    // The arrow keys on the scroll bar step a month each, which a screen reader hears; the eye sees where
    // the focus is; Space presses a button.
    void theKeyboardMovesThePanel() {
        w().window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w().window));
        auto* scroller = w().widget<QScrollBar>(QStringLiteral("dDateWinScroller"));
        w().widget<QLineEdit>(QStringLiteral("dDateWinDisplay"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left})
            QTest::keyClick(scroller, key);
        QCOMPARE(display(), QStringLiteral("December 2002"));
        QCOMPARE(scroller->value(), 1);
        QCOMPARE(QAccessible::queryAccessibleInterface(scroller)->text(QAccessible::Value),
                 QStringLiteral("December 2002"));
        const QImage focused = scroller->grab().toImage();
        QTest::keyClick(scroller, Qt::Key_Tab);
        QVERIFY(scroller->grab().toImage() != focused);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(display(), QStringLiteral("November 2002"));
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
