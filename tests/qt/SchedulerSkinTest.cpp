#include "tests/qt/GuiFixture.h"

using namespace skin_tests;

class SchedulerSkinTest : public skin_tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openWindow();
        triggerEnabled(w().action(QStringLiteral("mDateShow")));
        QVERIFY(dates()->isVisible());
    }

    void cleanup() { closeWindow(); }

    // The clock reaching a new day marks it among the days shown: today in dark blue, Saturdays in dark
    // cyan, Sundays in dark green, said in words for a screen reader too; today alone is selected.
    void everyRowMarksTodayAndTheWeekend_data() {
        QTest::addColumn<QString>("clock");
        QTest::addColumn<int>("todayRow");
        QTest::addColumn<QString>("tab");
        QTest::newRow("first row, a Friday") << "11-01-2002" << 0 << "01 November 2002";
        QTest::newRow("a Wednesday") << "11-20-2002" << 19 << "20 November 2002";
        QTest::newRow("a Saturday") << "11-23-2002" << 22 << "23 November 2002";
        QTest::newRow("a Sunday") << "11-24-2002" << 23 << "24 November 2002";
        QTest::newRow("next month, last row") << "12-10-2002" << 39 << "10 December 2002";
        QTest::newRow("past the rows") << "12-11-2002" << -1 << "11 December 2002";
    }

    void everyRowMarksTodayAndTheWeekend() {
        QFETCH(QString, clock);
        QFETCH(int, todayRow);
        QFETCH(QString, tab);
        w().platform.date = clock.toStdString();
        auto* timer = w().window.findChild<QTimer*>(QStringLiteral("dDateWinTimer"));
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
        QCOMPARE(w().widget<QLabel>(QStringLiteral("dDateMenuDisplay"))->text(), tab);
        QCOMPARE(display(), QStringLiteral("November 2002"));
        QCOMPARE(rowCount(dates()), 40);
        for (int row = 0; row < 40; ++row) {
            const QModelIndex index = dates()->model()->index(row, 0);
            const QString weekday = index.data().toString().section(u' ', 1);
            const bool today = row == todayRow, weekend = weekday == "Saturday" || weekday == "Sunday";
            const QColor colour = today                   ? QColor(0, 0, 128)
                                  : weekday == "Saturday" ? QColor(0, 128, 128)
                                  : weekday == "Sunday"   ? QColor(0, 128, 0)
                                                          : QColor();
            const QString marks = today ? (weekend ? "Today, weekend" : "Today") : (weekend ? "Weekend" : "");
            QCOMPARE(index.data().toString().startsWith(clock.left(5)), today);
            // Other rows keep the theme's text colour.
            QCOMPARE(index.data(Qt::ForegroundRole),
                     colour.isValid() ? QVariant(QBrush(colour)) : QVariant());
            QCOMPARE(index.data(Qt::ToolTipRole).toString(), marks);
            QCOMPARE(index.data(Qt::AccessibleDescriptionRole).toString(), marks);
            QCOMPARE(rowSelected(dates(), row), today);
        }
        QCOMPARE(editor()->isEnabled(), todayRow >= 0);
    }

    // Storing a day's note changes that day's row alone, its text and its icon; moving the selection
    // changes no row's data, and nothing is inserted, removed or reset.
    void aStoredNoteChangesItsOwnRowAlone() {
        QAbstractItemModel* model = dates()->model();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(model, &QAbstractItemModel::modelReset);
        for (const char* typed : {"Dentist", ""}) {
            clickListRow(dates(), 19);
            changed.clear();
            QTest::keyClick(editor(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(editor(), Qt::Key_Delete);
            QTest::keyClicks(editor(), QLatin1String(typed));
            clickListRow(dates(), 0);
            QVERIFY(!changed.isEmpty());
            for (const QList<QVariant>& change : changed)
                QCOMPARE(QPair(change[0].toModelIndex().row(), change[1].toModelIndex().row()),
                         QPair(19, 19));
            const QModelIndex today = model->index(19, 0);
            QCOMPARE(today.data().toString(),
                     *typed ? QStringLiteral("11-20 Wednesday: Dentist") : QStringLiteral("11-20 Wednesday"));
            QCOMPARE(today.data(Qt::DecorationRole).value<QIcon>().isNull(), !*typed);
            QCOMPARE(today.data(Qt::ToolTipRole).toString(), QStringLiteral("Today"));
            for (int row = 0; row < 40; ++row)
                QCOMPARE(rowSelected(dates(), row), row == 0);
        }
        QCOMPARE(inserted.count() + removed.count() + reset.count(), 0);
    }

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
