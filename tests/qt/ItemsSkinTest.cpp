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

    // In the text box the clipboard keys copy and paste items; in a name being typed they act on the name.
    void clipboardKeysActOnItemsOrOnTheNameBeingTyped() {
        triggerEnabled(w().action(QStringLiteral("mItemAdd")));
        QTRY_VERIFY(openEditor(w().list()) != nullptr);
        QTest::keyClick(openEditor(w().list()), Qt::Key_Return);
        QTRY_VERIFY(openEditor(w().list()) == nullptr);
        clickListRow(w().list(), 0);
        auto* text = w().widget<QPlainTextEdit>(QStringLiteral("lText"));
        text->setFocus();
        QTest::keyClicks(text, "body");
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rowCount(w().list()), 2);
        // The copy took the text as stored; the paste stored the typing before it refilled the list.
        QCOMPARE(w().form.Notes().Store().ItemText[0], std::string("body"));
        QCOMPARE(w().form.Notes().Store().ItemText[1], std::string());
        QVERIFY(!text->toPlainText().contains(QStringLiteral("bodybody")));

        clickListRow(w().list(), 0);
        triggerEnabled(w().action(QStringLiteral("mItemRename")));
        QTRY_VERIFY(openEditor(w().list()) != nullptr);
        QLineEdit* editor = openEditor(w().list());
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(editor->text(), QStringLiteral("New ItemNew Ite"));
        QCOMPARE(rowCount(w().list()), 2);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(openEditor(w().list()) == nullptr);
        QCOMPARE(w().form.Notes().Store().ItemName[0], std::string("New ItemNew Ite"));
    }

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

QObject* newItemsSkinTest() {
    return new ItemsSkinTest;
}

#include "ItemsSkinTest.moc"
