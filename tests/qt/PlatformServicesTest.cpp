#include "app/MainMenu.h"
#include "tests/qt/GuiFixture.h"

#include "qt/ClockDate.h"
#include "qt/QtPlatform.h"

namespace {

// Runs `step` once the event loop of a modal dialog or a pop-up menu is running.
void whenOpen(std::function<void()> step) {
    QTimer::singleShot(0, qApp, std::move(step));
}

} // namespace

class PlatformServicesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        watchdog_.expectModal(false);
        const QString unexpected = watchdog_.takeUnexpected();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
    }

    // Month, day and year, held to the calendar's first and last day.
    void theClockReadsMonthDayYear() {
        const QString text = QString::fromStdString(platform_.systemDateText());
        const QDate today = QDate::currentDate();
        // Read around midnight the date may have moved on between the two readings.
        QVERIFY2(text == today.toString(QStringLiteral("MM-dd-yyyy")) ||
                     text == today.addDays(-1).toString(QStringLiteral("MM-dd-yyyy")),
                 qPrintable(text));
        const double seconds = platform_.secondsSinceMidnight();
        QVERIFY(seconds >= 0.0 && seconds < 86400.0);
        for (const auto& [clock, read] : {std::pair{QDate(9999, 12, 31), "12-31-9999"},
                                          {QDate(10000, 1, 1), "12-31-9999"},
                                          {QDate(1, 1, 1), "01-01-0001"},
                                          {QDate(-1, 12, 31), "01-01-0001"}})
            QCOMPARE(qt::clockDateText(clock), std::string(read));
    }

    void inputDialogAnswersOrEmpty_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("confirmed") << true << QStringLiteral("default") << QStringLiteral("default typed");
        QTest::newRow("cancelled") << false << QStringLiteral("default") << QString();
        // A slot may hold a Term longer than a line edit takes by default.
        const QString longText = QStringLiteral("1+").repeated(50000);
        QTest::newRow("long") << true << longText << longText + QStringLiteral(" typed");
    }

    void inputDialogAnswersOrEmpty() {
        QFETCH(bool, accept);
        QFETCH(QString, defaultText);
        QFETCH(QString, expected);
        watchdog_.expectModal(true);
        QString title, label;
        whenOpen([&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            title = dialog->windowTitle();
            label = dialog->labelText();
            auto* line = dialog->findChild<QLineEdit*>();
            line->end(false);
            QTest::keyClicks(line, " typed");
            accept ? dialog->accept() : dialog->reject();
        });
        const std::string answer = platform_.inputText("Value:", "Slot 3", defaultText.toStdString());
        QCOMPARE(title, QStringLiteral("Slot 3"));
        QCOMPARE(label, QStringLiteral("Value:"));
        QCOMPARE(QString::fromStdString(answer), expected);
    }

    // The Item menu pops up over the list with the given entry bold, and afterwards drops down from the
    // menu bar again without a default.
    void popupShowsTheMenuWithItsDefault() {
        tests::SkinWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        watchdog_.expectModal(true);
        QString shown, bold;
        QPoint at;
        whenOpen([&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr)
                return;
            shown = menu->objectName();
            bold = menu->defaultAction() != nullptr ? menu->defaultAction()->objectName() : QString();
            at = menu->pos();
            menu->close();
        });
        platform_.popupMenu(w.menu().mItem, "lItem", 10, 20, &w.menu().mItemRename);
        QCOMPARE(shown, QStringLiteral("mItem"));
        QCOMPARE(bold, QStringLiteral("mItemRename"));
        QCOMPARE(at, w.list()->viewport()->mapToGlobal(QPoint(10, 20)));
        QVERIFY(w.window.findChild<QMenu*>(QStringLiteral("mItem"))->defaultAction() == nullptr);
    }

private:
    tests::ModalWatchdog watchdog_;
    qt::QtPlatform platform_;
};

SKIN_TEST_CLASS(PlatformServicesTest)

#include "PlatformServicesTest.moc"
