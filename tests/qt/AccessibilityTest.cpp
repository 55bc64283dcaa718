#include "tests/qt/GuiFixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QTest>

#include <memory>

using skin_tests::clickListRow;
using skin_tests::SkinWindow;
using skin_tests::triggerEnabled;

namespace {

QString describe(const QWidget& widget) {
    return QStringLiteral("%1 '%2' in '%3'")
        .arg(QLatin1String(widget.metaObject()->className()), widget.objectName(),
             widget.parentWidget() != nullptr ? widget.parentWidget()->objectName() : QString());
}

QString accessibleText(QWidget& widget, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    return face != nullptr ? face->text(kind) : QString();
}

// Opens the panel a row names: nothing, or the entry of its Show menu.
void openPanel(SkinWindow& w, const QString& showEntry) {
    if (!showEntry.isEmpty())
        triggerEnabled(w.action(showEntry));
}

} // namespace

// What a screen reader and a keyboard user meet in the real window, with each panel open in turn.
class AccessibilityTest : public skin_tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    void everyWidgetHasAName_data() { panels(); }

    // Names as the accessibility layer reports them, which is what assistive technology reads. A widget
    // the keyboard can stop at also says what it is for.
    void everyWidgetHasAName() {
        QFETCH(QString, showEntry);
        SkinWindow& w = *window_;
        openPanel(w, showEntry);
        QList<QWidget*> widgets = w.window.findChildren<QWidget*>();
        widgets.prepend(&w.window);
        QStringList nameless;
        QStringList undescribed;
        for (QWidget* widget : widgets) {
            if (accessibleText(*widget, QAccessible::Name).trimmed().isEmpty())
                nameless << describe(*widget);
            const bool tabStop = (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
            if (tabStop && widget->isVisible() &&
                accessibleText(*widget, QAccessible::Description).trimmed().isEmpty())
                undescribed << describe(*widget);
        }
        QVERIFY2(nameless.isEmpty(),
                 qPrintable(QStringLiteral("no name: ") + nameless.join(QStringLiteral("; "))));
        QVERIFY2(undescribed.isEmpty(),
                 qPrintable(QStringLiteral("no description: ") + undescribed.join(QStringLiteral("; "))));
    }

    void tabVisitsNotesThenTheOpenPanelThenTheTabs_data() { panels(); }

    void tabVisitsNotesThenTheOpenPanelThenTheTabs() {
        QFETCH(QString, showEntry);
        QFETCH(QStringList, panelStops);
        SkinWindow& w = *window_;
        // The text box is disabled until an item is shown; give it one so that Tab can stop there.
        QVERIFY(w.form.Notes().Store().AppendItem("Note", "Scrivlet", ""));
        w.form.Notes().List().ListFolderItems(false);
        clickListRow(w.list(), 0);
        openPanel(w, showEntry);
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));

        QStringList expected{QStringLiteral("lTre"), QStringLiteral("lItem"), QStringLiteral("lText")};
        if (showEntry == QLatin1String("mDateShow")) {
            // The scheduler's controls, whatever they are, in the order the panel lays them out.
            auto* panel = w.widget<QWidget>(QStringLiteral("dDateWinBack"));
            for (QWidget* widget : panel->findChildren<QWidget*>()) {
                if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisible() &&
                    widget->isEnabled())
                    panelStops << widget->objectName();
            }
        }
        expected << panelStops << QStringLiteral("cCalcMenuButton") << QStringLiteral("dDateMenuButton");

        w.tree()->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype step = 0; step < expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        expected << QStringLiteral("lTre");
        QCOMPARE(visited, expected);
    }

private:
    void panels() {
        QTest::addColumn<QString>("showEntry");
        QTest::addColumn<QStringList>("panelStops");
        QTest::newRow("no panel") << QString() << QStringList{};
        QTest::newRow("calculator") << QStringLiteral("mNumbraShow")
                                    << QStringList{
                                           QStringLiteral("cCalcWinInput"), QStringLiteral("cCalcWinResult"),
                                           QStringLiteral("cCalcWinVarList"), QStringLiteral("cCalcWinInfo")};
        QTest::newRow("scheduler") << QStringLiteral("mDateShow") << QStringList{};
    }
};

QObject* newAccessibilityTest() {
    return new AccessibilityTest;
}

#include "AccessibilityTest.moc"
