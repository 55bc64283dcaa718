#include "tests/qt/GuiFixture.h"

#include "qt/ListBinding.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <tuple>

using namespace tests;

// The notes views over their models: the text box keeps the typing until the store takes it.
class NotesViewsTest : public tests::WindowPerTest {
    Q_OBJECT

private slots:
    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    // Selection reaches the widget as one change per gesture; after any mix of gestures, code and
    // entry changes the widget shows exactly the control's rows, looks, selection and selection focus, and
    // the model reported as changed exactly the rows whose look changed: not a selected one, not one set
    // to what it already showed.
    void listWidgetFollowsTheControlThroughRandomChanges() {
        ui::ListView control("lItem", nullptr);
        control.setMultiSelect(true);
        QWidget parent;
        qt::ListBinding widget(control, &parent);
        QAbstractItemModelTester tester(widget.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        std::mt19937 random(2417);
        const auto pick = [&random](int below) {
            return std::uniform_int_distribution<int>(0, below - 1)(random);
        };
        const int16_t modifiers[] = {0, ui::vbCtrlMask, ui::vbShiftMask};
        const std::pair<uint32_t, QVariant> colours[] = {{0, {}},
                                                         {ui::rgb(0, 128, 0), QBrush(QColor(0, 128, 0))},
                                                         {ui::rgb(0, 0, 128), QBrush(QColor(0, 0, 128))}};
        const auto look = [&](int i) {
            const ui::ListItem& entry = control.ListItems(i);
            return std::tuple(entry.Text(), entry.SmallIcon(), entry.ForeColor(), entry.ToolTipText());
        };
        std::set<std::string> reported;
        connect(widget.model(), &QAbstractItemModel::dataChanged, this,
                [&](const QModelIndex& top, const QModelIndex& bottom) {
                    for (int row = top.row(); row <= bottom.row(); ++row)
                        reported.insert(control.ListItems(row + 1).Key());
                });
        int added = 0;
        for (int step = 0; step < 1500; ++step) {
            std::map<std::string, decltype(look(1))> before;
            for (int i = 1; i <= control.ListItems.Count(); ++i)
                before.emplace(control.ListItems(i).Key(), look(i));
            reported.clear();
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
            case 8: {
                ui::ListItem& entry = control.ListItems(index);
                const int what = pick(4);
                if (what == 0)
                    entry.setText(std::string(1, char('a' + pick(3))));
                else if (what == 1)
                    entry.setSmallIcon(pick(2));
                else if (what == 2)
                    entry.setForeColor(colours[pick(3)].first);
                else
                    entry.setToolTipText(pick(2) == 0 ? "" : "Weekend");
                break;
            }
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
            std::set<std::string> changed;
            for (int i = 1; i <= control.ListItems.Count(); ++i) {
                const ui::ListItem& entry = control.ListItems(i);
                const QModelIndex row = widget.model()->index(i - 1, 0);
                QCOMPARE(row.data().toString().toStdString(), entry.Text());
                QCOMPARE(row.data(Qt::DecorationRole).value<QIcon>().isNull(), entry.SmallIcon() == 0);
                QCOMPARE(row.data(Qt::ForegroundRole),
                         std::find_if(std::begin(colours), std::end(colours), [&](const auto& c) {
                             return c.first == entry.ForeColor();
                         })->second);
                QCOMPARE(row.data(Qt::ToolTipRole).toString().toStdString(), entry.ToolTipText());
                QCOMPARE(row.data(Qt::AccessibleDescriptionRole).toString().toStdString(),
                         entry.ToolTipText());
                QCOMPARE(widget.selectionModel()->isSelected(row), entry.Selected());
                const auto was = before.find(entry.Key());
                if (was != before.end() && was->second != look(i))
                    changed.insert(entry.Key());
            }
            QCOMPARE(reported, changed);
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
