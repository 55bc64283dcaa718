#include "tests/qt/GuiFixture.h"

#include "qt/ObjectNames.h"

#include <utility>

using namespace tests;

// The gestures of the window through its real widgets, in an active window where the focus moves as it
// does for a person: folders A, B and C below the root, A selected with its notes One and Two.
class SkinTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openActiveWindow();
        for (const char* name : {"A", "B", "C"})
            QVERIFY(w().form.notes().tree().appendFolder("Scrivlet", name));
        for (const char* name : {"One", "Two"})
            QVERIFY(w().form.notes().store().appendItem(name, "Scrivlet\\A", ""));
        w().controls().lTre.Nodes(1).setExpanded(true);
        clickTreeNode(w().tree(), QStringLiteral("A"));
    }

    void cleanup() { closeWindow(); }

    // The widgets hand the controls what they read name edits from: the double-click interval's end and
    // the loss of the keyboard, the typed name a command completes, Enter and Tab, and keys in the editor.
    void nameEditsReachTheControlsThroughTheRealWidgets() {
        const int interval = QApplication::doubleClickInterval() + 50;
        const auto slowSecondClick = [&] {
            clickListRow(w().list(), 0);
            QTest::qWait(interval);
            clickListRow(w().list(), 0);
        };
        slowSecondClick();
        QTRY_VERIFY(openEditor(w().list()) != nullptr);
        openEditor(w().list())->selectAll();
        QTest::keyClicks(openEditor(w().list()), "Typed");
        QTest::keyClick(openEditor(w().list()), Qt::Key_Down);
        QCOMPARE(w().list()->selectionModel()->selectedRows(),
                 QModelIndexList{w().list()->model()->index(0, 0)});
        triggerEnabled(w().action(QStringLiteral("mItemCopy_2")));
        QCOMPARE(w().form.notes().store().ItemName[0], std::string("Typed"));

        slowSecondClick();
        QTest::mouseClick(text()->viewport(), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), "abc");
        QTest::qWait(interval);
        QVERIFY(openEditor(w().list()) == nullptr);
        QCOMPARE(text()->toPlainText(), QStringLiteral("abc"));

        triggerEnabled(w().action(QStringLiteral("mItemAdd")));
        QTRY_VERIFY(openEditor(w().list()) != nullptr);
        QTest::keyClick(openEditor(w().list()), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), text());
        renameSelectedFolder("Z");
        QTest::keyClick(openEditor(w().tree()), Qt::Key_Down);
        QCOMPARE(w().controls().lTre.SelectedItem()->Text(), std::string("A"));
        QTest::keyClick(openEditor(w().tree()), Qt::Key_Tab);
        QVERIFY(w().form.notes().store().FolderExists("Scrivlet\\Z"));
        QCOMPARE(QApplication::focusWidget(), w().list());
    }

    // Undo in a newly bound box brings back nothing of the note or day shown before.
    void eachBindingStartsAFreshUndoHistory() {
        clickListRow(w().list(), 0);
        typeAndErase(text(), "secret of One");
        clickListRow(w().list(), 1);
        QTest::keyClick(text(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(text()->toPlainText().isEmpty());
        clickListRow(w().list(), 0);
        QCOMPARE(w().form.notes().store().ItemText[1], std::string());

        triggerEnabled(w().action(QStringLiteral("mDateShow")));
        auto* dates = w().widget<QListView>(QStringLiteral("dBackWinDateList"));
        auto* day = w().widget<QPlainTextEdit>(QStringLiteral("dDateWinText"));
        typeAndErase(day, "secret of today");
        clickListRow(dates, 3);
        QTest::keyClick(day, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(day->toPlainText().isEmpty());
    }

    // A click on the open/close mark of a folder that holds the selected one closes and selects it.
    void collapsingAFolderSelectsIt() {
        QVERIFY(w().form.notes().tree().appendFolder("Scrivlet\\A", "Inner"));
        w().controls().lTre.Nodes.find("Scrivlet\\A")->setExpanded(true);
        clickTreeNode(w().tree(), QStringLiteral("Inner"));
        const QRect row = w().tree()->visualRect(nodeRow(w().tree(), QStringLiteral("A")));
        QTest::mouseClick(w().tree()->viewport(), Qt::LeftButton, {},
                          QPoint(row.left() - 8, row.center().y()));
        QCOMPARE(w().controls().lTre.SelectedItem()->Text(), std::string("A"));
        QVERIFY(!w().controls().lTre.SelectedItem()->Expanded());
        QCOMPARE(w().list()->model()->rowCount(), 2);
    }

    void aDragMovesWithCtrlCopiesAndWithEscapeChangesNothing_data() {
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<bool>("escape");
        QTest::newRow("move") << false << false;
        QTest::newRow("copy with Ctrl") << true << false;
        QTest::newRow("Escape") << false << true;
    }

    void aDragMovesWithCtrlCopiesAndWithEscapeChangesNothing() {
        QFETCH(bool, ctrl);
        QFETCH(bool, escape);
        const QPoint to = nodeCentre(w().tree(), QStringLiteral("C"));
        clickTreeNode(w().tree(), QStringLiteral("C"));
        startDrag(w().tree(), nodeCentre(w().tree(), QStringLiteral("A")));
        // Neither a shortcut (F2 would rename C) nor another button acts during the drag.
        QTest::keyClick(w().tree(), Qt::Key_F2);
        QTest::mouseClick(w().tree()->viewport(), Qt::RightButton, {}, to);
        QTest::mouseMove(w().tree()->viewport(), to);
        // The target is drawn as such while the pointer is over it.
        QCOMPARE(w().controls().lTre.DropHighlight(), w().controls().lTre.Nodes.find("Scrivlet\\C"));
        QVERIFY(nodeRow(w().tree(), QStringLiteral("C")).data(Qt::BackgroundRole).isValid());
        if (escape)
            QTest::keyClick(w().tree(), Qt::Key_Escape);
        // The modifier keys count as they are at the drop.
        QTest::mouseRelease(w().tree()->viewport(), Qt::LeftButton,
                            ctrl ? Qt::ControlModifier : Qt::NoModifier, to);

        const notes::NotesStore& store = w().form.notes().store();
        QCOMPARE(store.FolderExists("Scrivlet\\C\\A"), !escape);
        QCOMPARE(store.FolderExists("Scrivlet\\A"), ctrl || escape);
        QCOMPARE(store.ItemCount, static_cast<int16_t>(ctrl ? 4 : 2));
        QCOMPARE(w().controls().lTre.DropHighlight(), nullptr);
        QVERIFY(openEditor(w().tree()) == nullptr && w().platform.popups.empty());
    }

    // Deleting moves the subtree into the Trash: it arrives there as one insertion, opened as it was,
    // and leaves its old place as one removal.
    void aLargeSubtreeMovesInOneInsertionAndOneRemoval() {
        QAbstractItemModelTester tester(w().tree()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = 0; i < 200; ++i)
            QVERIFY(w().form.notes().tree().appendFolder("Scrivlet\\A", std::to_string(i)));
        QVERIFY(w().form.notes().tree().appendFolder("Scrivlet\\A\\7", "Inner"));
        w().controls().lTre.Nodes(3).setExpanded(true);
        w().controls().lTre.Nodes.find("Scrivlet\\A\\7")->setExpanded(true);
        QSignalSpy insertions(w().tree()->model(), &QAbstractItemModel::rowsAboutToBeInserted);
        QSignalSpy removals(w().tree()->model(), &QAbstractItemModel::rowsAboutToBeRemoved);

        clickTreeNode(w().tree(), QStringLiteral("A"));
        triggerEnabled(w().action(QStringLiteral("mFolderDelete")));
        QCOMPARE(insertions.size(), 1);
        QCOMPARE(removals.size(), 1);
        const QModelIndex moved = nodeRow(w().tree(), QStringLiteral("A"));
        QCOMPARE(moved.parent(), nodeRow(w().tree(), QStringLiteral("Trash")));
        QCOMPARE(w().tree()->model()->rowCount(moved), 200);
        QVERIFY(w().tree()->isExpanded(moved));
        QVERIFY(w().tree()->isExpanded(nodeRow(w().tree(), QStringLiteral("Inner")).parent()));
        QVERIFY(!w().tree()->isExpanded(nodeRow(w().tree(), QStringLiteral("8"))));
        clickTreeNode(w().tree(), QStringLiteral("Trash"));
        triggerEnabled(w().action(QStringLiteral("mFolderTrashEmpty")));
        QCOMPARE(removals.size(), 2);
        QCOMPARE(w().tree()->model()->rowCount(nodeRow(w().tree(), QStringLiteral("Trash"))), 0);
        QCOMPARE(w().controls().lTre.Nodes.Count(), 4);
    }

    // A right click on another row pops up the view's menu there and leaves the selection where it was;
    // the menu key and Shift+F10 pop up the same menu over the selected row.
    void rightClickTheMenuKeyAndShiftF10PopUpTheViewsMenu_data() {
        // The view, its menu and the menu's default entry.
        QTest::addColumn<QString>("names");
        QTest::newRow("folders") << QStringLiteral("lTre mFolder mFolderRename");
        QTest::newRow("items") << QStringLiteral("lItem mItem mItemRename");
        QTest::newRow("calculator slots") << QStringLiteral("cCalcWinVarList mNumbraMenu mNumbra_0");
    }

    void rightClickTheMenuKeyAndShiftF10PopUpTheViewsMenu() {
        QFETCH(QString, names);
        triggerEnabled(w().action(QStringLiteral("mNumbraShow")));
        auto* widget = w().widget<QAbstractItemView>(names.section(u' ', 0, 0));
        const bool folders = widget == w().tree();
        if (!folders)
            clickListRow(static_cast<QListView*>(widget), 0);
        const QModelIndex selected = widget->currentIndex();
        const QModelIndex other =
            folders ? nodeRow(w().tree(), QStringLiteral("Scrivlet")) : widget->model()->index(1, 0);
        QTest::mouseClick(widget->viewport(), Qt::RightButton, {}, widget->visualRect(other).center());
        QCOMPARE(w().platform.popups.size(), std::size_t{1});
        QCOMPARE(widget->currentIndex(), selected);
        QVERIFY(widget->selectionModel()->isSelected(selected) &&
                !widget->selectionModel()->isSelected(other));

        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                  widget->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(widget->viewport(), &menuKey);
        QCOMPARE(w().platform.popups.size(), std::size_t{3});
        for (const auto& popup : w().platform.popups) {
            QCOMPARE(QString::fromStdString(popup.owner) + ' ' + qt::objectNameOf(*popup.menu) + ' ' +
                         qt::objectNameOf(*popup.defaultEntry),
                     names);
            const bool byMouse = &popup == &w().platform.popups.front();
            QCOMPARE(popup.y, widget->visualRect(byMouse ? other : selected).center().y());
        }
    }

    // Each widget of the tab strips reaches its control; both panels share one frame and width.
    void theTabStripsOpenAndCloseThePanels() {
        auto* calculator = w().widget<QFrame>(QStringLiteral("cCalcWinBack"));
        auto* scheduler = w().widget<QFrame>(QStringLiteral("dDateWinBack"));
        QCOMPARE(calculator->frameStyle(), scheduler->frameStyle());
        QCOMPARE(std::pair(calculator->minimumWidth(), calculator->maximumWidth()),
                 std::pair(scheduler->minimumWidth(), scheduler->maximumWidth()));
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

    // A click beside the entries deselects them all; each key released reaches the list, Shift too.
    void theListHearsAClickBesideItsEntriesAndEveryKeyReleased() {
        w().controls().lItem.ListItems(1).setSelected(true);
        auto keys = std::make_shared<std::vector<std::pair<int, int>>>();
        w().controls().lItem.KeyUp.connect(
            [keys](int16_t code, int16_t shift) { keys->emplace_back(code, shift); });

        QTest::mouseClick(w().list()->viewport(), Qt::LeftButton, {},
                          QPoint(5, w().list()->viewport()->height() - 5));
        QVERIFY(w().controls().lItem.SelectedItem() == nullptr);
        w().list()->setFocus();
        QTest::keyClick(w().list(), Qt::Key_Delete, Qt::ShiftModifier);
        const int shiftKey = 16;
        const std::vector<std::pair<int, int>> released = {{ui::vbKeyDelete, ui::vbShiftMask}, {shiftKey, 0}};
        QCOMPARE(*keys, released);
    }

    // Closing the window, like Discard & quit, asks the form to end; the window stays until the program ends.
    void closingTheWindowOrDiscardAndQuitAsksTheFormToEnd() {
        w().window.close();
        QCOMPARE(w().platform.endRequests, 1);
        QVERIFY(w().window.isVisible());
        triggerEnabled(w().action(QStringLiteral("mFileMenu_2")));
        QCOMPARE(w().platform.endRequests, 2);
    }

private:
    QPlainTextEdit* text() const { return w().widget<QPlainTextEdit>(QStringLiteral("lText")); }

    static void typeAndErase(QPlainTextEdit* box, const char* typed) {
        QTest::mouseClick(box->viewport(), Qt::LeftButton);
        QTest::keyClicks(box, typed);
        for (std::size_t k = 0; typed[k] != '\0'; ++k)
            QTest::keyClick(box, Qt::Key_Backspace);
    }

    // F2 on the selected folder, and the new name typed over the old one.
    void renameSelectedFolder(const char* name) {
        QTreeView* tree = w().tree();
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_F2);
        QVERIFY(openEditor(tree) != nullptr);
        openEditor(tree)->selectAll();
        QTest::keyClicks(openEditor(tree), name);
    }
};

SKIN_TEST_CLASS(SkinTest)

#include "SkinTest.moc"
