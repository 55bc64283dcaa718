#include "tests/qt/GuiFixture.h"

using namespace tests;

// Folders organised with the mouse and keyboard in the real tree: dragging, the pop-up, renaming in
// place, and large removals reaching the view as one change.
class FolderTreeSkinTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openWindow();
        for (const char* name : {"A", "C"})
            QVERIFY(w().form.Notes().Tree().AppendFolder("Scrivlet", name));
        QVERIFY(w().form.Notes().Store().AppendItem("note", "Scrivlet\\A", "text"));
        w().controls().lTre.Nodes(1).setExpanded(true);
    }

    void cleanup() { closeWindow(); }

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
        w().tree()->setFocus();
        startDrag(w().tree(), nodeCentre(w().tree(), QStringLiteral("A")));
        QTest::mouseMove(w().tree()->viewport(), to);
        // The target is drawn as such while the pointer is over it.
        QCOMPARE(w().controls().lTre.DropHighlight(), &w().controls().lTre.Nodes(4));
        QVERIFY(w().tree()
                    ->model()
                    ->data(nodeRow(w().tree(), QStringLiteral("C")), Qt::BackgroundRole)
                    .isValid());
        if (escape)
            QTest::keyClick(w().tree(), Qt::Key_Escape);
        // The modifier keys count as they are at the drop.
        QTest::mouseRelease(w().tree()->viewport(), Qt::LeftButton,
                            ctrl ? Qt::ControlModifier : Qt::NoModifier, to);

        const notes::NotesStore& store = w().form.Notes().Store();
        QCOMPARE(store.FolderExists("Scrivlet\\C\\A"), !escape);
        QCOMPARE(store.FolderExists("Scrivlet\\A"), ctrl || escape);
        QCOMPARE(store.ItemCount, static_cast<int16_t>(ctrl ? 2 : 1));
        QCOMPARE(w().controls().lTre.DropHighlight(), nullptr);
        if (!ctrl)
            QCOMPARE(nodeRow(w().tree(), QStringLiteral("A")).parent().data().toString(),
                     QLatin1String(escape ? "Scrivlet" : "C"));
    }

    // Deleting moves the subtree into the Trash: it arrives there as one insertion, opened as it was,
    // and leaves its old place as one removal.
    void aLargeSubtreeMovesInOneInsertionAndOneRemoval() {
        QAbstractItemModelTester tester(w().tree()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = 0; i < 200; ++i)
            QVERIFY(w().form.Notes().Tree().AppendFolder("Scrivlet\\A", std::to_string(i)));
        QVERIFY(w().form.Notes().Tree().AppendFolder("Scrivlet\\A\\7", "Inner"));
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
        QCOMPARE(w().controls().lTre.Nodes.Count(), 3);
    }
};

SKIN_TEST_CLASS(FolderTreeSkinTest)

#include "FolderTreeSkinTest.moc"
