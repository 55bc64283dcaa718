#include "tests/qt/GuiFixture.h"

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

    void rightClickPopsUpTheItemMenuAndKeepsTheSelection() {
        for (const char* name : {"One", "Two"})
            QVERIFY(w().form.Notes().Store().AppendItem(name, "Scrivlet\\Work", ""));
        w().form.Notes().List().ListFolderItems(false);
        clickListRow(w().list(), 0);
        clickListRow(w().list(), 1, {}, Qt::RightButton);
        QCOMPARE(w().platform.popups.size(), std::size_t{1});
        QVERIFY(w().platform.popups[0].menu == &w().menu().mItem);
        QVERIFY(w().platform.popups[0].defaultEntry == &w().menu().mItemRename);
        QVERIFY(rowSelected(w().list(), 0) && !rowSelected(w().list(), 1));

        w().list()->setFocus();
        QTest::keyClick(w().list(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(w().platform.popups.size(), std::size_t{2});
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(w().list()->viewport(), &menuKey);
        QCOMPARE(w().platform.popups.size(), std::size_t{3});
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
