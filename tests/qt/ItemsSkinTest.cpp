#include "tests/qt/GuiFixture.h"

#include "qt/ObjectNames.h"

using namespace skin_tests;

// The item commands through the real widgets: the menu, the in-place editor, the keys and the mouse.
class ItemsSkinTest : public skin_tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openWindow();
        QVERIFY(w().form.Notes().Tree().AppendFolder("Scrivlet", "Work"));
        w().controls().lTre.Nodes(1).setExpanded(true);
        clickTreeNode(w().tree(), QStringLiteral("Work"));
    }

    void cleanup() { closeWindow(); }

    // A right click on another row pops up the view's menu and leaves the selection where it was; the menu
    // key and Shift+F10 pop up the same menu over the selected row.
    void rightClickTheMenuKeyAndShiftF10PopUpTheViewsMenu_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("defaultEntry");
        QTest::newRow("folders") << "lTre"
                                 << "mFolder"
                                 << "mFolderRename";
        QTest::newRow("items") << "lItem"
                               << "mItem"
                               << "mItemRename";
        QTest::newRow("calculator slots") << "cCalcWinVarList"
                                          << "mNumbraMenu"
                                          << "mNumbra_0";
    }

    void rightClickTheMenuKeyAndShiftF10PopUpTheViewsMenu() {
        QFETCH(QString, view);
        QFETCH(QString, menu);
        QFETCH(QString, defaultEntry);
        for (const char* name : {"One", "Two"})
            QVERIFY(w().form.Notes().Store().AppendItem(name, "Scrivlet\\Work", ""));
        w().form.Notes().List().ListFolderItems(false);
        if (view == QLatin1String("cCalcWinVarList"))
            triggerEnabled(w().action(QStringLiteral("mNumbraShow")));
        auto* widget = w().widget<QAbstractItemView>(view);
        const bool folders = widget == w().tree();
        const QModelIndex selected =
            folders ? nodeRow(w().tree(), QStringLiteral("Work")) : widget->model()->index(0, 0);
        const QModelIndex other =
            folders ? nodeRow(w().tree(), QStringLiteral("Scrivlet")) : widget->model()->index(1, 0);
        if (!folders)
            QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualRect(selected).center());
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
            QCOMPARE(skin::objectNameOf(*popup.menu), menu);
            QCOMPARE(skin::objectNameOf(*popup.defaultEntry), defaultEntry);
            QCOMPARE(QString::fromStdString(popup.owner), view);
        }
        for (std::size_t k = 1; k < 3; ++k)
            QCOMPARE(w().platform.popups[k].y, widget->visualRect(selected).center().y());
    }

    void deleteKeyDeletesTheSelectedItems() {
        for (const char* name : {"One", "Two", "Three"})
            QVERIFY(w().form.Notes().Store().AppendItem(name, "Scrivlet\\Work", ""));
        w().form.Notes().List().ListFolderItems(false);
        clickListRow(w().list(), 0);
        clickListRow(w().list(), 2, Qt::ControlModifier);
        w().list()->setFocus();
        QTest::keyClick(w().list(), Qt::Key_Delete);
        QCOMPARE(rowCount(w().list()), 1);
        QCOMPARE(w().list()->model()->index(0, 0).data().toString(), QStringLiteral("Two"));
    }
};

SKIN_TEST_CLASS(ItemsSkinTest)

#include "ItemsSkinTest.moc"
