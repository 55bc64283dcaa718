#include "tests/qt/GuiFixture.h"

#include "qt/ObjectNames.h"

using namespace tests;

// The item commands through the real widgets: the menu, the in-place editor, the keys and the mouse.
class ItemsSkinTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openWindow();
        QVERIFY(w().form.Notes().Tree().AppendFolder("Scrivlet", "Work"));
        w().controls().lTre.Nodes(1).setExpanded(true);
        clickTreeNode(w().tree(), QStringLiteral("Work"));
    }

    void cleanup() { closeWindow(); }

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
        for (const char* name : {"One", "Two"})
            QVERIFY(w().form.Notes().Store().AppendItem(name, "Scrivlet\\Work", ""));
        w().form.Notes().List().ListFolderItems(false);
        triggerEnabled(w().action(QStringLiteral("mNumbraShow")));
        auto* widget = w().widget<QAbstractItemView>(names.section(u' ', 0, 0));
        const bool folders = widget == w().tree();
        if (!folders)
            QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                              widget->visualRect(widget->model()->index(0, 0)).center());
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
};

SKIN_TEST_CLASS(ItemsSkinTest)

#include "ItemsSkinTest.moc"
