#include "tests/qt/GuiFixture.h"

#include "qt/ListBinding.h"

#include <random>

using namespace skin_tests;

// The notes views over their models: the text box keeps the typing until the store takes it.
class NotesViewsTest : public skin_tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    // Selection reaches the widget as one change per gesture; after any mix of gestures, code and
    // entry changes the widget shows exactly the control's rows, selection and selection focus.
    void listWidgetFollowsTheControlThroughRandomChanges() {
        ui::ListView control("lItem", nullptr);
        control.setMultiSelect(true);
        QWidget parent;
        skin::ListBinding widget(control, &parent);
        QAbstractItemModelTester tester(widget.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        std::mt19937 random(2417);
        const auto pick = [&random](int below) {
            return std::uniform_int_distribution<int>(0, below - 1)(random);
        };
        const int16_t modifiers[] = {0, ui::vbCtrlMask, ui::vbShiftMask};
        int added = 0;
        for (int step = 0; step < 1500; ++step) {
            const int count = control.ListItems.Count();
            const int index = count > 0 ? pick(count) + 1 : 0;
            switch (pick(count < 5 ? 1 : 10)) {
            case 0:
                control.ListItems.Add("k" + std::to_string(++added), std::string(1, char('a' + pick(26))));
                break;
            case 1:
                control.userClickItem(index, modifiers[pick(3)]);
                break;
            case 2:
                control.userSelectWithKeyboard(index, modifiers[pick(3)]);
                break;
            case 3:
                control.ListItems(index).setSelected(pick(2) == 0);
                break;
            case 4:
                control.selectOnly(control.ListItems(index));
                break;
            case 5:
                control.ListItems.Remove(index);
                break;
            case 6:
                control.setSorted(pick(2) == 0);
                break;
            case 8:
                control.ListItems(index).setText(std::string(1, char('a' + pick(26))));
                break;
            case 7:
                control.setMultiSelect(pick(4) != 0);
                break;
            default:
                if (pick(10) == 0)
                    control.ListItems.Clear();
                else
                    control.userClickEmpty();
            }
            QCOMPARE(widget.model()->rowCount(), control.ListItems.Count());
            for (int i = 1; i <= control.ListItems.Count(); ++i) {
                const QModelIndex row = widget.model()->index(i - 1, 0);
                QCOMPARE(row.data().toString().toStdString(), control.ListItems(i).Text());
                QCOMPARE(widget.selectionModel()->isSelected(row), control.ListItems(i).Selected());
            }
            const ui::ListItem* focus = control.SelectedItem();
            QCOMPARE(widget.currentIndex().row(), focus != nullptr ? focus->Index() - 1 : -1);
        }
        // A direction override inside a name ends with the name; the name itself stays as written.
        const QModelIndex rtl =
            widget.model()->index(control.ListItems.Add("rtl", "a\u202Eb")->Index() - 1, 0);
        QCOMPARE(rtl.data().toString(), QStringLiteral("\u2068a\u202Eb\u2069"));
        QCOMPARE(rtl.data(Qt::AccessibleTextRole).toString(), QStringLiteral("a\u202Eb"));
    }
};

SKIN_TEST_CLASS(NotesViewsTest)

#include "NotesViewsTest.moc"
