#include "tests/qt/GuiFixture.h"

#include <QAbstractItemModelTester>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>
#include <string>

using skin_tests::clickListRow;
using skin_tests::clickTreeNode;
using skin_tests::nodeRow;
using skin_tests::rowSelected;
using skin_tests::selectedNodes;
using skin_tests::SkinWindow;

// The notes views over their models: the models stay consistent under every change the controls make,
// and the keyboard selects as the mouse does.
class NotesViewsTest : public skin_tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    void modelsStayConsistentThroughChanges() {
        SkinWindow& w = *window_;
        QAbstractItemModelTester treeTester(w.tree()->model(),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester listTester(w.list()->model(),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
        notes::FolderTree& folders = w.form.Notes().Tree();
        notes::NotesStore& store = w.form.Notes().Store();
        ui::TreeView& tree = w.controls().lTre;

        QVERIFY(folders.AppendFolder("Scrivlet", "Work"));
        QVERIFY(folders.AppendFolder("Scrivlet\\Work", "Plans"));
        QVERIFY(folders.AppendFolder("Scrivlet\\Work\\Plans", "Deep"));
        QVERIFY(folders.AppendFolder("Trash", "Old"));
        tree.Nodes(1).setExpanded(true);
        tree.Nodes(3).setExpanded(true);
        for (int j = 0; j < 5; ++j)
            QVERIFY(store.AppendItem("Note " + std::to_string(j), "Scrivlet\\Work", "text"));
        clickTreeNode(w.tree(), QStringLiteral("Work"));
        QCOMPARE(w.list()->model()->rowCount(), 5);
        clickListRow(w.list(), 1);
        clickListRow(w.list(), 3, Qt::ControlModifier);
        w.controls().lItem.ListItems.Remove(2);
        w.controls().lItem.ListItems(1).setText("Renamed");

        tree.setDropHighlight(&tree.Nodes(6));
        clickTreeNode(w.tree(), QStringLiteral("Deep"));
        // The selected node, the drop target and a whole subtree go at once.
        tree.Nodes.Remove(3);
        QCOMPARE(selectedNodes(w.tree()), QStringList{QStringLiteral("Scrivlet")});
        QVERIFY(tree.DropHighlight() != nullptr);
        tree.Nodes.Remove(tree.DropHighlight()->Index());
        QCOMPARE(w.tree()->model()->rowCount(w.tree()->model()->index(0, 0)), 0);
        QCOMPARE(w.tree()->model()->rowCount(w.tree()->model()->index(1, 0)), 0);
        QVERIFY(folders.AppendFolder("Scrivlet", "Again"));
        QVERIFY(nodeRow(w.tree(), QStringLiteral("Again")).isValid());
    }

    void keysInTheTreeSelectFoldersAsClicksDo() {
        SkinWindow& w = *window_;
        for (const char* name : {"A", "B", "C"})
            QVERIFY(w.form.Notes().Tree().AppendFolder("Scrivlet", name));
        QVERIFY(w.form.Notes().Store().AppendItem("In B", "Scrivlet\\B", ""));
        w.controls().lTre.Nodes(1).setExpanded(true);
        w.tree()->setFocus();
        const struct {
            Qt::Key key;
            const char* selected;
            int listed;
        } steps[] = {
            {Qt::Key_Down, "A", 0},        {Qt::Key_Down, "B", 1},         {Qt::Key_End, "Trash", 0},
            {Qt::Key_Home, "Scrivlet", 0}, {Qt::Key_PageDown, "Trash", 0}, {Qt::Key_Up, "C", 0},
            {Qt::Key_Left, "Scrivlet", 0},
        };
        for (const auto& step : steps) {
            QTest::keyClick(w.tree(), step.key);
            const QString selected = QLatin1String(step.selected);
            QCOMPARE(selectedNodes(w.tree()), QStringList{selected});
            QCOMPARE(QString::fromStdString(w.controls().lTre.SelectedItem()->Text()), selected);
            QCOMPARE(w.form.Notes().View().SelFolder, w.controls().lTre.SelectedItem()->Index());
            QCOMPARE(w.list()->model()->rowCount(), step.listed);
        }
    }

    void keysInTheListSelectEntriesAndBindTheText() {
        SkinWindow& w = *window_;
        for (const char* name : {"One", "Two", "Three"})
            QVERIFY(w.form.Notes().Store().AppendItem(name, "Scrivlet", std::string("text of ") + name));
        w.form.Notes().List().ListFolderItems(false);
        auto* text = w.widget<QPlainTextEdit>(QStringLiteral("lText"));
        clickListRow(w.list(), 0);
        w.list()->setFocus();
        QTest::keyClick(w.list(), Qt::Key_Down);
        QVERIFY(!rowSelected(w.list(), 0) && rowSelected(w.list(), 1));
        QCOMPARE(text->toPlainText(), QStringLiteral("text of Two"));
        QTest::keyClick(w.list(), Qt::Key_Down, Qt::ShiftModifier);
        QVERIFY(rowSelected(w.list(), 1) && rowSelected(w.list(), 2));
        QVERIFY(!text->isEnabled());
        QTest::keyClick(w.list(), Qt::Key_Home);
        QCOMPARE(text->toPlainText(), QStringLiteral("text of One"));
    }

    // The widget keeps the typing; the store gets it when the program takes it, as with any gesture.
    void typingIsFetchedWhenTheStoreTakesIt() {
        SkinWindow& w = *window_;
        QVERIFY(w.form.Notes().Store().AppendItem("Note", "Scrivlet", std::string(100000, 'x')));
        w.form.Notes().List().ListFolderItems(false);
        clickListRow(w.list(), 0);
        auto* text = w.widget<QPlainTextEdit>(QStringLiteral("lText"));
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(text, "abc");
        QVERIFY(w.form.Notes().View().TextDirty);
        QCOMPARE(w.form.Notes().Store().ItemText[0].size(), std::size_t{100000});
        QCOMPARE(text->textCursor().position(), 3);

        clickListRow(w.list(), 0);
        QCOMPARE(w.form.Notes().Store().ItemText[0], "abc" + std::string(100000, 'x'));
        QCOMPARE(text->textCursor().position(), 3);
    }
};

QObject* newNotesViewsTest() {
    return new NotesViewsTest;
}

#include "NotesViewsTest.moc"
