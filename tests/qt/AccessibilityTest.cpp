#include "tests/qt/GuiFixture.h"

#include "qt/ElidingLabel.h"

using namespace tests;

namespace {

QString describe(const QWidget& widget) {
    return QStringLiteral("%1 '%2' in '%3'")
        .arg(QLatin1String(widget.metaObject()->className()), widget.objectName(),
             widget.parentWidget() != nullptr ? widget.parentWidget()->objectName() : QString());
}

// A caption as the eye sees it: "&" marks an access key, "&&" shows one ampersand.
QString shownText(QString caption) {
    return caption.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// Focusable, yet nothing to read, type, set, choose or press: only the focus itself.
bool doesNothing(QAccessibleInterface& face) {
    QStringList actions;
    if (QAccessibleActionInterface* acting = face.actionInterface())
        actions = acting->actionNames();
    actions.removeAll(QAccessibleActionInterface::setFocusAction());
    return actions.isEmpty() && face.textInterface() == nullptr && face.valueInterface() == nullptr &&
           face.tableInterface() == nullptr;
}

// What a screen reader would get wrong about one widget, or nothing.
QStringList faultsOf(QWidget& widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    const QString name = face->text(QAccessible::Name);
    QStringList faults;
    if (name.trimmed().isEmpty())
        faults << QStringLiteral("no name");
    if (name.contains(u'&'))
        faults << QStringLiteral("'&' in the name '%1'").arg(name);
    if (auto* label = qobject_cast<QLabel*>(&widget); label != nullptr && name != shownText(label->text()))
        faults << QStringLiteral("named '%1' but shows '%2'").arg(name, label->text());
    // A column a view does not label is read as its number, hidden header or not.
    const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    for (int index = 0; face->tableInterface() != nullptr && index < face->childCount(); ++index) {
        const QAccessibleInterface* cell = face->child(index);
        if (cell->role() == QAccessible::ColumnHeader &&
            number.match(cell->text(QAccessible::Name)).hasMatch())
            faults << QStringLiteral("a column read as '%1'").arg(cell->text(QAccessible::Name));
    }
    if (!widget.isVisible() || widget.focusPolicy() == Qt::NoFocus)
        return faults;
    if ((widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
        face->text(QAccessible::Description).isEmpty())
        faults << QStringLiteral("a Tab stop without a description");
    if (doesNothing(*face))
        faults << QStringLiteral("focusable but does nothing");
    return faults;
}

// A label shows all its text: on its line, or wrapped within its height where it wraps.
bool showsAllOf(const QLabel& label) {
    if (const auto* eliding = dynamic_cast<const qt::ElidingLabel*>(&label)) {
        const auto withoutBlanks = [](QString text) {
            return text.remove(QRegularExpression(QStringLiteral("\\s")));
        };
        return withoutBlanks(eliding->shownLines().join(QString())) == withoutBlanks(label.text());
    }
    if (label.wordWrap())
        return label.heightForWidth(label.width()) <= label.height();
    return label.fontMetrics().horizontalAdvance(label.text()) <= label.contentsRect().width();
}

QStringList cutLabels(const QWidget& root) {
    QStringList cut;
    for (const QLabel* label : root.findChildren<QLabel*>())
        if (label->isVisible() && !showsAllOf(*label))
            cut << QStringLiteral("%1 '%2'").arg(label->objectName(), label->text());
    return cut;
}

} // namespace

// What a screen reader, a keyboard user and the eye meet in the real window, with each panel open in turn.
class AccessibilityTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    void everyWidgetReadsAsItShowsAndTabReachesIt_data() {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QStringList>("panelStops");
        QTest::newRow("no panel") << QString() << QStringList{};
        QTest::newRow("calculator")
            << QStringLiteral("mNumbraShow")
            << QStringLiteral("cCalcWinInput cCalcWinResult cCalcWinVarList cCalcWinInfo").split(u' ');
        QTest::newRow("scheduler") << QStringLiteral("mDateShow")
                                   << QStringLiteral(
                                          "dDateWinDisplay dDateWinScroller dDateWinButton dDateWinAll "
                                          "dBackWinDateList dDateWinText")
                                          .split(u' ');
        QTest::newRow("a folder being renamed") << QStringLiteral("rename") << QStringList{};
    }

    // As the accessibility layer reports them, which is what assistive technology reads; Tab visits the
    // notes, then the open panel, then the tabs.
    void everyWidgetReadsAsItShowsAndTabReachesIt() {
        QFETCH(QString, scene);
        QFETCH(QStringList, panelStops);
        // The text box is disabled until an item is shown; give it one so that Tab can stop there.
        QVERIFY(w().form.notes().store().appendItem("Note", "Scrivlet", ""));
        w().form.notes().list().ListFolderItems(false);
        clickListRow(w().list(), 0);
        // The scene the row names: a panel opened by its Show entry, or a folder's name being edited.
        if (scene == QLatin1String("rename")) {
            QVERIFY(w().form.notes().tree().appendFolder("Scrivlet", "Work"));
            w().controls().lTre.Nodes(1).setExpanded(true);
            clickTreeNode(w().tree(), QStringLiteral("Work"));
            w().tree()->setFocus();
            QTest::keyClick(w().tree(), Qt::Key_F2);
            QTRY_VERIFY(openEditor(w().tree()) != nullptr);
        } else if (!scene.isEmpty()) {
            triggerEnabled(w().action(scene));
        }
        QList<QWidget*> widgets = w().window.findChildren<QWidget*>();
        widgets.prepend(&w().window);
        QStringList faults;
        // The entries of every menu, as a screen reader reads them against what the menu shows.
        for (QMenu* menu : w().window.findChildren<QMenu*>()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(menu);
            const QList<QAction*> actions = menu->actions();
            for (qsizetype index = 0; index < actions.size(); ++index) {
                const QString name = face->child(int(index))->text(QAccessible::Name);
                if (!actions[index]->isSeparator() && name != shownText(actions[index]->text()))
                    faults << QStringLiteral("menu entry %1 read as '%2'")
                                  .arg(actions[index]->objectName(), name);
            }
        }
        for (QWidget* widget : widgets)
            for (const QString& fault : faultsOf(*widget))
                faults << describe(*widget) + QStringLiteral(": ") + fault;
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
        QCOMPARE(cutLabels(w().window).join(QStringLiteral("; ")), QString());
        // The folder being renamed shows no note, and Tab in its editor ends the rename.
        if (scene == QLatin1String("rename"))
            return;
        w().window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w().window));
        QStringList expected{QStringLiteral("lTre"), QStringLiteral("lItem"), QStringLiteral("lText")};
        expected << panelStops << QStringLiteral("cCalcMenuButton") << QStringLiteral("dDateMenuButton");
        w().tree()->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype step = 0; step < expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        expected << QStringLiteral("lTre");
        QCOMPARE(visited, expected);
    }

    // The about box is a window of its own, a dialog over the middle of the disabled main window, showing
    // every text it has; a click closes it.
    void theAboutBoxOpensOverTheWindowAndShowsAllItsText() {
        w().window.move(120, 90);
        triggerEnabled(w().action(QStringLiteral("mOptionsAbout")));
        QWidget* box = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("frmInfo") && top->isVisible())
                box = top;
        QVERIFY(box != nullptr && box->parentWidget() == nullptr && box->isEnabled());
        QVERIFY(!w().window.isEnabled());
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::Dialog);
        QVERIFY((box->frameGeometry().center() - w().window.frameGeometry().center()).manhattanLength() <= 2);
        QVERIFY2(cutLabels(*box).isEmpty(), qPrintable(cutLabels(*box).join(QStringLiteral("; "))));
        for (QLabel* label : box->findChildren<QLabel*>())
            QVERIFY2(faultsOf(*label).isEmpty(), qPrintable(faultsOf(*label).join(QStringLiteral("; "))));
        QTest::mouseClick(box->findChild<QLabel*>(QStringLiteral("lLabel_0")), Qt::LeftButton);
        QVERIFY(w().window.isEnabled());
        QTRY_VERIFY(!QApplication::topLevelWidgets().contains(box));
    }
};

SKIN_TEST_CLASS(AccessibilityTest)

#include "AccessibilityTest.moc"
