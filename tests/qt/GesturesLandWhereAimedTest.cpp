#include "tests/qt/GuiFixture.h"

using namespace tests;

// Gestures that end an edit, start one, or come in the middle of a drag act on what the user aimed at,
// and nothing typed goes astray: through the real widgets of an active window, where the focus moves as
// it does for a person.
class GesturesLandWhereAimedTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() {
        openWindow();
        w().window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w().window));
        for (const char* name : {"A", "B", "C"})
            QVERIFY(w().form.Notes().Tree().AppendFolder("Scrivlet", name));
        for (const char* name : {"One", "Two"})
            QVERIFY(w().form.Notes().Store().AppendItem(name, "Scrivlet\\A", ""));
        w().controls().lTre.Nodes(1).setExpanded(true);
        clickTreeNode(w().tree(), QStringLiteral("A"));
    }

    void cleanup() { closeWindow(); }

    // A slow second click opens the name; leaving the list within the interval cancels the rename it
    // would start. The date list never renames its rows.
    void aSlowSecondClickRenamesOnlyWhileTheListKeepsTheKeyboard() {
        const int interval = QApplication::doubleClickInterval() + 50;
        clickListRow(w().list(), 0);
        QTest::qWait(interval);
        clickListRow(w().list(), 0);
        QTRY_VERIFY(openEditor(w().list()) != nullptr);
        QTest::keyClick(openEditor(w().list()), Qt::Key_Escape);
        QTRY_VERIFY(openEditor(w().list()) == nullptr);
        QTest::qWait(interval);
        clickListRow(w().list(), 0);
        QTest::mouseClick(text()->viewport(), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), "abc");
        QTest::qWait(interval);
        QTest::keyClicks(QApplication::focusWidget(), "def");
        QVERIFY(openEditor(w().list()) == nullptr);
        QCOMPARE(text()->toPlainText(), QStringLiteral("abcdef"));
        QCOMPARE(w().form.Notes().Store().ItemName[0], std::string("One"));

        triggerEnabled(w().action(QStringLiteral("mDateShow")));
        auto* dates = w().widget<QListView>(QStringLiteral("dBackWinDateList"));
        QVERIFY(rowSelected(dates, 19));
        clickListRow(dates, 19);
        QTest::qWait(interval);
        clickListRow(dates, 19);
        QTest::qWait(interval);
        QVERIFY(openEditor(dates) == nullptr);
    }

    // Undo in a newly bound box brings back nothing of the note or day shown before.
    void eachBindingStartsAFreshUndoHistory() {
        clickListRow(w().list(), 0);
        typeAndErase(text(), "secret of One");
        clickListRow(w().list(), 1);
        QTest::keyClick(text(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(text()->toPlainText().isEmpty());
        clickListRow(w().list(), 0);
        QCOMPARE(w().form.Notes().Store().ItemText[1], std::string());

        triggerEnabled(w().action(QStringLiteral("mDateShow")));
        auto* dates = w().widget<QListView>(QStringLiteral("dBackWinDateList"));
        auto* day = w().widget<QPlainTextEdit>(QStringLiteral("dDateWinText"));
        typeAndErase(day, "secret of today");
        clickListRow(dates, 3);
        QTest::keyClick(day, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(day->toPlainText().isEmpty());
    }

    // Right press and release over B in the middle of dragging A onto C: A is moved, B stays; F2 and
    // Delete do nothing until the drop.
    void otherButtonsAndKeysDoNothingDuringADrag() {
        QWidget* viewport = w().tree()->viewport();
        startDrag(w().tree(), centreOf(QStringLiteral("A")));
        QTest::mouseClick(viewport, Qt::RightButton, {}, centreOf(QStringLiteral("B")));
        QTest::keyClick(w().tree(), Qt::Key_F2);
        QTest::keyClick(w().tree(), Qt::Key_Delete);
        QTest::mouseMove(viewport, centreOf(QStringLiteral("C")));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, centreOf(QStringLiteral("C")));
        const notes::NotesStore& store = w().form.Notes().Store();
        QVERIFY(store.FolderExists("Scrivlet\\C\\A"));
        QVERIFY(store.FolderExists("Scrivlet\\B"));
        QVERIFY(openEditor(w().tree()) == nullptr);
        QVERIFY(w().platform.popups.empty());
    }

    // Renaming A to Z moves it after C; the click that ends the rename still selects B.
    void aClickThatEndsARenameSelectsWhatWasUnderThePointer() {
        renameSelectedFolder("Z");
        clickTreeNode(w().tree(), QStringLiteral("B"));
        QVERIFY(w().form.Notes().Store().FolderExists("Scrivlet\\Z"));
        QCOMPARE(w().controls().lTre.SelectedItem()->Text(), std::string("B"));
        QCOMPARE(w().form.Notes().View().SelFolder, w().controls().lTre.SelectedItem()->Index());
    }

    // Down in the editor moves no row; Tab completes the rename and moves the keyboard on.
    void tabCompletesARenameAndMovesTheKeyboardOn() {
        renameSelectedFolder("Z");
        QTest::keyClick(openEditor(w().tree()), Qt::Key_Down);
        QTest::keyClick(openEditor(w().tree()), Qt::Key_Tab);
        QVERIFY(openEditor(w().tree()) == nullptr);
        QVERIFY(w().controls().lTre.EditingNode() == nullptr);
        QVERIFY(w().form.Notes().Store().FolderExists("Scrivlet\\Z"));
        QCOMPARE(QApplication::focusWidget(), w().list());
        QCOMPARE(w().tree()->currentIndex(), w().tree()->selectionModel()->selectedIndexes().value(0));
    }

    // Paste refills the list; the name typed before it is kept.
    void aCommandCompletesTheNameBeingTypedFirst() {
        clickListRow(w().list(), 0);
        triggerEnabled(w().action(QStringLiteral("mItemRename")));
        QTRY_VERIFY(openEditor(w().list()) != nullptr);
        openEditor(w().list())->selectAll();
        QTest::keyClicks(openEditor(w().list()), "Typed");
        triggerEnabled(w().action(QStringLiteral("mItemCopy_2")));
        QVERIFY(openEditor(w().list()) == nullptr);
        QCOMPARE(w().form.Notes().Store().ItemName[0], std::string("Typed"));
    }

    // After Item → Add, a name and Enter, what is typed is the new note's text.
    void anAddedNoteIsSelectedAloneAndTakesTheTyping() {
        clickListRow(w().list(), 0);
        triggerEnabled(w().action(QStringLiteral("mItemAdd")));
        QTRY_VERIFY(openEditor(w().list()) != nullptr);
        QVERIFY(!rowSelected(w().list(), 0) && rowSelected(w().list(), 2));
        QCOMPARE(openEditor(w().list())->text(), QStringLiteral("New Item"));
        openEditor(w().list())->selectAll();
        QTest::keyClicks(openEditor(w().list()), "Shopping");
        QTest::keyClick(openEditor(w().list()), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), text());
        QTest::keyClicks(QApplication::focusWidget(), "body");
        clickListRow(w().list(), 0);
        QCOMPARE(w().form.Notes().Store().ItemName[2], std::string("Shopping"));
        QCOMPARE(w().form.Notes().Store().ItemText[2], std::string("body"));
    }

    // The selection follows a collapse up to the folder collapsed, with its notes and menus.
    void collapsingAFolderSelectsIt_data() {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<bool>("emptyTrashShown");
        QTest::newRow("ordinary") << QStringLiteral("A") << false;
        QTest::newRow("Trash") << QStringLiteral("Trash") << true;
    }

    void collapsingAFolderSelectsIt() {
        QFETCH(QString, parent);
        QFETCH(bool, emptyTrashShown);
        const std::string key = parent == QLatin1String("A") ? "Scrivlet\\A" : "Trash";
        QVERIFY(w().form.Notes().Tree().AppendFolder(key, "Inner"));
        w().controls().lTre.Nodes.find(key)->setExpanded(true);
        clickTreeNode(w().tree(), QStringLiteral("Inner"));
        const QRect row = w().tree()->visualRect(nodeRow(w().tree(), parent));
        QTest::mouseClick(w().tree()->viewport(), Qt::LeftButton, {},
                          QPoint(row.left() - 8, row.center().y()));
        QCOMPARE(QString::fromStdString(w().controls().lTre.SelectedItem()->Text()), parent);
        QCOMPARE(w().form.Notes().View().SelFolder, w().controls().lTre.SelectedItem()->Index());
        QCOMPARE(w().list()->model()->rowCount(), parent == QLatin1String("A") ? 2 : 0);
        QCOMPARE(w().action(QStringLiteral("mFolderTrashEmpty"))->isVisible(), emptyTrashShown);
    }

private:
    QPlainTextEdit* text() const { return w().widget<QPlainTextEdit>(QStringLiteral("lText")); }
    QPoint centreOf(const QString& name) const { return nodeCentre(w().tree(), name); }

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

SKIN_TEST_CLASS(GesturesLandWhereAimedTest)

#include "GesturesLandWhereAimedTest.moc"
