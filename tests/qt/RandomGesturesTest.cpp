#include "app/MainMenu.h"
#include "dates/MODULDaywise.h"
#include "tests/qt/GuiFixture.h"
#include "tests/support/Gestures.h"
#include "tests/support/NotesInvariants.h"

#include "qt/EditorText.h"
#include "qt/ObjectNames.h"
#include "qt/TreeModel.h"
#include "tools/screenshot/PinnedApplication.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>

using namespace tests;

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// What a box shows, each character as typed: its plain text would make a no-break space a space.
QString shown(const QPlainTextEdit& box) {
    return q(qt::storedText(box));
}

enum Kind {
    TreePress,
    TreeDrag,
    ListPress,
    SlowSecondClick,
    Key,
    Type,
    Shortcut,
    AccessKeys,
    MenuByMouse,
    FocusMove,
    Tick,
    KindCount
};

const char* const KindNames[] = {"tree press",    "tree drag",  "list press", "slow second click",
                                 "key",           "type",       "shortcut",   "access keys",
                                 "menu by mouse", "focus move", "tick"};
// How often each kind is drawn. Typing weighs most: a character lost on its way to the store shows only
// when it was typed into a box that is then rebound.
const int KindWeights[] = {2, 1, 2, 1, 2, 5, 1, 1, 2, 2, 2};

// One gesture with its random numbers; what they pick (a row, a key, an entry) is decided when it is
// played, so that a gesture list stays playable with any gesture dropped.
struct Gesture {
    int kind;
    unsigned a, b, c;

    std::string describe() const {
        return std::string(KindNames[kind]) + " (" + std::to_string(a) + ", " + std::to_string(b) + ", " +
               std::to_string(c) + ")";
    }
};

const Qt::MouseButton Buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
const Qt::KeyboardModifiers Modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                           Qt::ControlModifier, Qt::AltModifier};
const Qt::Key Keys[] = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Return, Qt::Key_F2,
                        Qt::Key_Delete, Qt::Key_Menu,    Qt::Key_F10,    Qt::Key_Up,     Qt::Key_Down,
                        Qt::Key_Left,   Qt::Key_Right,   Qt::Key_Home,   Qt::Key_End,    Qt::Key_Space};
// "\b" erases a character.
// Besides plain text, as much typing outside ASCII, each text holding several such characters so that a
// fault losing any one of them shows soon: letters of Latin-1 and beyond, signs, letters written right
// to left, a combining accent, a character beyond the 16-bit plane, and characters a conversion could turn
// into others: a no-break space, a line separator and a right-to-left override.
const QStringList Typed =
    QString::fromUtf8("a|New Item|Z|x\\y|12+3|note | |\b|\b|\u00e9\u00df\u00fc\u00f1\u00c5|"
                      "1\u20ac2\u00a3\u00a7\u00b5|\u4e2d\u6587\U0001f600\u3042|"
                      "\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627|e\u0301\u03a9\u0416\u0151|"
                      "\u20ac\u00e9\u4e2d\U0001f600\u05e9\u0645\u03a9\u00a0|a\u00a0b\u2028\u202etxt")
        .split(u'|');
// QTest types only ASCII; other characters arrive as a keyboard with that layout sends them, as text,
// one character (not one UTF-16 unit) at a time.
void typeText(QWidget* target, const QString& typed) {
    for (const char32_t c : typed.toUcs4())
        if (c < 0x80)
            QTest::keyClicks(target, QString(QChar(c)));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
}
const char* const Shortcuts[] = {"F2", "Ctrl+C", "Ctrl+X", "Ctrl+V", "Ctrl+Z", "Ctrl+Y"};
const char* const AccessKeysTyped[] = {"FA", "FR", "FD", "FY", "IA", "IR",
                                       "IC", "IT", "IP", "ID", "CS", "SS"};
const char* const FocusTargets[] = {"lTre",        "lItem", "lText", "cCalcWinInput", "dBackWinDateList",
                                    "dDateWinText"};

// Plays gestures on a started window through its real widgets and checks, after each one, that the widgets
// mirror their controls, that the store holds together, and that no typed text went astray.
class Player {
public:
    // Half the lists start with the keyboard in the scheduler's day editor, half in the note box.
    explicit Player(bool inScheduler) {
        w_.window.activateWindow();
        active_ = QTest::qWaitForWindowActive(&w_.window);
        // Notes to type into from the first gesture on: typing lost on its way to the store shows only
        // where a note or a day is bound.
        for (const char* name : {"A", "B"})
            w_.form.notes().tree().appendFolder("Scrivlet", name);
        for (const char* name : {"One", "Two"})
            w_.form.notes().store().appendItem(name, "Scrivlet\\A", "");
        w_.controls().lTre.Nodes(1).setExpanded(true);
        clickTreeNode(w_.tree(), QStringLiteral("A"));
        clickListRow(w_.list(), 0);
        if (inScheduler)
            triggerEnabled(w_.action(QStringLiteral("mDateShow")));
        QTest::mouseClick((inScheduler ? dayBox() : noteBox())->viewport(), Qt::LeftButton);
        QApplication::clipboard()->clear();
        watch(w_.controls().lText, note_);
        watch(w_.controls().dDateWinText, day_);
    }

    // What broke, or "".
    std::string play(const Gesture& g) {
        if (!active_)
            return "the window never became active";
        before();
        perform(g);
        QApplication::processEvents();
        if (QTest::currentTestFailed())
            return "the item models broke their contract";
        if (!keyboardBreak_.empty())
            return keyboardBreak_;
        if (std::string broken = tests::notesInvariantBreak(w_.form); !broken.empty())
            return broken;
        // In this order: the accounting rebinds the boxes, so it runs only on a window found in step.
        for (auto check : {&Player::mirrorBreak, &Player::aimBreak, &Player::accountingBreak})
            if (std::string broken = (this->*check)(); !broken.empty())
                return broken;
        return {};
    }

private:
    // What a text box was last shown and what has been typed into it since the program last wrote it.
    struct TypedText {
        bool written = false;
        QString expected;
    };

    void watch(ui::TextBox& box, TypedText& typed) {
        typed.expected = q(box.Text());
        box.TextSet.connect([&box, &typed] {
            typed.written = true;
            typed.expected = q(box.Text());
        });
    }

    // A panel's widgets exist once it has been opened; until then they count as hidden.
    QListView* dates() { return w_.widget<QListView>(QStringLiteral("dBackWinDateList")); }
    QPlainTextEdit* noteBox() { return w_.widget<QPlainTextEdit>(QStringLiteral("lText")); }
    QPlainTextEdit* dayBox() { return w_.widget<QPlainTextEdit>(QStringLiteral("dDateWinText")); }
    // Events sent to a hidden widget would reach it, though no user can.
    QWidget* focus() {
        QWidget* widget = QApplication::focusWidget();
        return widget != nullptr && widget->isVisible() ? widget : w_.tree();
    }

    // A point on a visible node, or below the last one for an empty area.
    QPoint treePoint(unsigned pick) {
        QTreeView* const tree = w_.tree();
        std::vector<QModelIndex> rows;
        for (QModelIndex row = tree->model()->index(0, 0); row.isValid(); row = tree->indexBelow(row))
            rows.push_back(row);
        if (pick % (rows.size() + 1) == rows.size())
            return {4, tree->viewport()->height() - 4};
        const QModelIndex row = rows[pick % (rows.size() + 1)];
        tree->scrollTo(row);
        return tree->visualRect(row).center();
    }
    static QPoint listPoint(QListView* view, unsigned pick) {
        const int rows = view->model()->rowCount();
        if (rows == 0 || pick % (rows + 1) == static_cast<unsigned>(rows))
            return {4, view->viewport()->height() - 4};
        const QModelIndex row = view->model()->index(static_cast<int>(pick % rows), 0);
        view->scrollTo(row);
        return view->visualRect(row).center();
    }

    // Any command of the menu, one a new entry joins by itself.
    ui::MenuEntry* command(unsigned pick) { return commands_[pick % commands_.size()]; }

    // Right clicks pop up a menu, from which the user may choose a command.
    void choosePopUpEntry(unsigned pick) {
        w_.platform.popupChoices.assign(1, pick % 5 == 0 ? nullptr : command(pick));
    }

    // `a` picks the row, key, text or command, `b` the button (or a second row), `c` the modifiers and
    // the variant.
    void perform(const Gesture& g) {
        const Qt::MouseButton button = Buttons[g.b % 4];
        const Qt::KeyboardModifiers mods = Modifiers[g.c % 5];
        const unsigned variant = g.c / 5 % 4;
        const int interval = QApplication::doubleClickInterval() + 20;
        QWidget* const target = focus();
        QListView* const view = variant == 3 ? dates() : w_.list();
        choosePopUpEntry(g.b);
        switch (g.kind) {
        case TreePress: {
            const QPoint at = treePoint(g.a);
            if (variant == 2) {
                QTest::mouseDClick(w_.tree()->viewport(), button, mods, at);
            } else if (variant == 3) {
                QTest::mouseClick(w_.tree()->viewport(), Qt::LeftButton, {},
                                  QPoint(std::max(1, at.x() - 30), at.y()));
            } else {
                if (button == Qt::LeftButton)
                    aimedNode_ = nodeKeyAt(at);
                QTest::mouseClick(w_.tree()->viewport(), button, mods, at);
            }
            break;
        }
        case TreeDrag: {
            QWidget* viewport = w_.tree()->viewport();
            const QPoint from = treePoint(g.a);
            if (openEditor(w_.tree()) == nullptr)
                draggedKey_ = nodeKeyAt(from);
            startDrag(w_.tree(), from);
            const Qt::MouseButton other = g.b % 4 == 0 ? Qt::RightButton : button;
            if (variant == 0) {
                QTest::mousePress(viewport, other, {}, treePoint(g.b));
                QTest::mouseRelease(viewport, other, {}, treePoint(g.b));
            } else if (variant == 1) {
                QTest::keyClick(focus(), Keys[g.b % std::size(Keys)]);
            }
            const QPoint to = treePoint(g.b);
            QTest::mouseMove(viewport, to);
            QTest::mouseRelease(viewport, Qt::LeftButton, mods, to);
            break;
        }
        case ListPress: {
            if (view == nullptr || !view->isVisible())
                break;
            const QPoint at = listPoint(view, g.a);
            const QModelIndex row = view->indexAt(at);
            if (variant == 2) {
                QTest::mouseDClick(view->viewport(), button, mods, at);
                break;
            }
            if (view == w_.list() && button == Qt::LeftButton && mods == Qt::NoModifier && row.isValid())
                aimedEntry_ = w_.controls().lItem.ListItems(row.row() + 1).Key();
            QTest::mouseClick(view->viewport(), button, mods, at);
            break;
        }
        case SlowSecondClick:
            if (view == nullptr || !view->isVisible())
                break;
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, listPoint(view, g.a));
            QTest::qWait(interval);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, listPoint(view, g.a));
            if (g.b % 2 == 0)
                QTest::mouseClick(noteBox()->viewport(), Qt::LeftButton);
            QTest::qWait(interval);
            break;
        case Key: {
            const Qt::Key key = Keys[g.a % std::size(Keys)];
            // Text widgets open a menu of their own that waits for the user.
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
            if (key != Qt::Key_Menu)
                QTest::keyClick(target, key, key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
            else if (qobject_cast<QAbstractItemView*>(target) != nullptr)
                QApplication::sendEvent(target, &menuKey);
            // Space, Enter and Delete edit a text box.
            if (auto* box = qobject_cast<QPlainTextEdit*>(target))
                account(target, [box](QString& text) { text = shown(*box); });
            break;
        }
        case Type:
            typeInto(target, g.a);
            break;
        case Shortcut: {
            const QKeyCombination key = QKeySequence(QLatin1String(Shortcuts[g.a % std::size(Shortcuts)]))[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
            // Where a text box keeps these keys for itself, what they undo, paste or cut is typing.
            if (auto* box = qobject_cast<QPlainTextEdit*>(target))
                account(target, [box](QString& text) { text = shown(*box); });
            break;
        }
        case AccessKeys: {
            const char* keys = AccessKeysTyped[g.a % std::size(AccessKeysTyped)];
            QTest::keyClick(target, static_cast<char>(keys[0] - 'A' + 'a'), Qt::AltModifier);
            if (QWidget* menu = QApplication::activePopupWidget())
                QTest::keyClick(menu, static_cast<char>(keys[1] - 'A' + 'a'));
            while (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
            break;
        }
        case MenuByMouse:
            if (QAction* action = w_.action(qt::objectNameOf(*command(g.a)));
                action->isEnabled() && action->isVisible())
                action->trigger();
            break;
        case Tick:
            tick(g);
            break;
        default: {
            QWidget* aim = w_.widget<QWidget>(QLatin1String(FocusTargets[g.a % std::size(FocusTargets)]));
            if (auto* box = qobject_cast<QPlainTextEdit*>(aim); box != nullptr && box->isVisible())
                QTest::mouseClick(box->viewport(), Qt::LeftButton);
            else if (aim != nullptr && aim->isVisible())
                aim->setFocus(Qt::MouseFocusReason);
            break;
        }
        }
        w_.platform.popupChoices.clear();
    }

    // Typing, the date timer's tick, typing again. The tick finds the same day (an ordinary minute), the
    // next one (midnight), or the last day of the month or of the year, or the day after it.
    void tick(const Gesture& g) {
        typeInto(focus(), g.b);
        // What the tick stores is what was typed up to it.
        before();
        QWidget* const holder = QApplication::focusWidget();
        const std::string date = MODULDaywise::DayToDate(today_);
        const int year = std::stoi(date.substr(0, 4));
        const int month = std::stoi(date.substr(5, 2));
        const unsigned variant = g.a % 4;
        int32_t last = today_;
        if (variant == 2)
            last = MODULDaywise::DateToDay(month == 12 ? std::to_string(year + 1) + "-01-01"
                                                       : date.substr(0, 5) + (month < 9 ? "0" : "") +
                                                             std::to_string(month + 1) + "-01") -
                   1;
        else if (variant == 3)
            last = MODULDaywise::DateToDay(date.substr(0, 4) + "-12-31");
        if (variant != 0)
            today_ = last != today_ ? last : today_ + 1;
        const std::string next = MODULDaywise::DayToDate(today_);
        w_.platform.date = next.substr(5, 2) + "-" + next.substr(8, 2) + "-" + next.substr(0, 4);
        auto* timer = w_.window.findChild<QTimer*>(QStringLiteral("dDateWinTimer"));
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
        QApplication::processEvents();
        // The keyboard stays with a holder the tick leaves open, and is never left nowhere.
        QWidget* const now = QApplication::focusWidget();
        if (holder != nullptr && now == nullptr)
            keyboardBreak_ = "the tick to " + next + " left the keyboard nowhere";
        else if (holder != nullptr && holder != now && holder->isVisible() && holder->isEnabled())
            keyboardBreak_ = "the tick to " + next + " took the keyboard from " +
                             holder->objectName().toStdString() + " to " + now->objectName().toStdString();
        typeInto(focus(), g.c);
    }

    void typeInto(QWidget* target, unsigned pick) {
        if (qobject_cast<QPlainTextEdit*>(target) != nullptr)
            QTest::keyClick(target, Qt::Key_End, Qt::ControlModifier);
        const QString typed = Typed[int(pick % Typed.size())];
        const bool erase = typed == QLatin1String("\b");
        erase ? QTest::keyClick(target, Qt::Key_Backspace) : typeText(target, typed);
        // What Backspace takes (a character beyond 16 bits, an accent alone) is the box's to decide.
        auto* box = qobject_cast<QPlainTextEdit*>(target);
        account(target, [&](QString& text) { erase ? void(text = shown(*box)) : void(text += typed); });
    }

    TypedText* typedFor(QWidget* target) {
        return target == noteBox() ? &note_ : target == dayBox() ? &day_ : nullptr;
    }
    void account(QWidget* target, const std::function<void(QString&)>& edit) {
        if (TypedText* typed = typedFor(target); typed != nullptr && target->isEnabled())
            edit(typed->expected);
    }

    int shownItem() { return w_.controls().lText.Enabled() ? w_.form.notes().view().ShownItem : -1; }
    int openDay() {
        const ui::ListItem* row = w_.controls().dBackWinDateList.SelectedItem();
        return w_.controls().dDateWinText.Enabled() && row != nullptr ? std::stoi(row->Key().substr(1)) : 0;
    }

    // A note is known by its name and folder: its index alone may pass to another note.
    std::string identity(int item) {
        const notes::NotesStore& store = w_.form.notes().store();
        return item < 0 || item >= store.ItemCount
                   ? std::string()
                   : store.ItemName[std::size_t(item)] + "@" + store.ItemFolder[std::size_t(item)];
    }

    // Records, before a gesture, which note and which day the boxes are bound to and what they show.
    void before() {
        const notes::NotesStore& store = w_.form.notes().store();
        note_.written = day_.written = false;
        aimedNode_ = aimedEntry_ = draggedKey_ = {};
        shownItem_ = shownItem();
        shownIdentity_ = identity(shownItem_);
        shownText_ = note_.expected;
        itemCount_ = store.ItemCount;
        openDay_ = openDay();
        dayText_ = day_.expected;
        foldersBefore_.clear();
        for (int i = 1; i <= store.lastFolder(); ++i)
            foldersBefore_.push_back(store.FolderKey(i));
    }

    std::string nodeKeyAt(const QPoint& at) {
        const QModelIndex row = w_.tree()->indexAt(at);
        return row.isValid() ? qt::TreeModel::nodeOf(row)->Key() : std::string();
    }

    // A left click selects what was under the pointer when pressed, wherever an edit it ended moved it;
    // a drag moves or copies the dragged folder and nothing else.
    std::string aimBreak() {
        const ui::TreeView& tre = w_.controls().lTre;
        if (!aimedNode_.empty() && tre.Nodes.find(aimedNode_) != nullptr &&
            tre.SelectedItem()->Key() != aimedNode_)
            return "pressed " + aimedNode_ + ", selected " + tre.SelectedItem()->Key();
        const ui::ListView& item = w_.controls().lItem;
        if (const ui::ListItem* entry = aimedEntry_.empty() ? nullptr : item.ListItems.find(aimedEntry_);
            entry != nullptr && (!entry->Selected() || item.SelectedItem() != entry))
            return "pressed entry " + aimedEntry_ + ", which is not the one selected";
        for (const std::string& key : foldersBefore_)
            if (!draggedKey_.empty() && tre.Nodes.find(key) == nullptr && key != draggedKey_ &&
                !key.starts_with(draggedKey_ + "\\"))
                return "dragging " + draggedKey_ + " took " + key;
        return {};
    }

    // Whenever the program rebinds a box, the store holds what the box showed for the note or day it
    // showed, unless the gesture removed it.
    std::string accountingBreak() {
        const notes::NotesStore& store = w_.form.notes().store();
        const bool noteRebound = note_.written || shownItem() != shownItem_;
        const bool dayRebound = day_.written || openDay() != openDay_;
        // A binding that wrote nothing starts afresh all the same.
        if (noteRebound)
            note_.expected = shown(*noteBox());
        if (dayRebound && dayBox() != nullptr)
            day_.expected = shown(*dayBox());
        if (noteRebound && shownItem_ >= 0 && store.ItemCount >= itemCount_ &&
            identity(shownItem_) == shownIdentity_) {
            if (const QString stored = q(store.ItemText[std::size_t(shownItem_)]); stored != shownText_)
                return "item " + std::to_string(shownItem_) + " holds \"" + stored.toStdString() +
                       "\", the box showed \"" + shownText_.toStdString() + "\"";
        }
        if (dayRebound && openDay_ != 0) {
            const app::DayEntries& entries = w_.form.scheduler().list().entries();
            const int entry = entries.find(openDay_);
            const QString stored = entry < 0 ? QString() : q(entries.EntryText[std::size_t(entry)]);
            // Only spaces make a text blank, and a blank text keeps no entry.
            const bool blank = dayText_.count(QLatin1Char(' ')) == dayText_.size();
            if (stored != (blank ? QString() : dayText_))
                return "day " + std::to_string(openDay_) + " holds \"" + stored.toStdString() +
                       "\", the editor showed \"" + dayText_.toStdString() + "\"";
        }
        return {};
    }

    // Every widget shows its control: nodes, entries, selection, current row, enabled states, editors.
    std::string mirrorBreak() {
        app::MainControls& c = w_.controls();
        const ui::TreeNode* selected = c.lTre.SelectedItem();
        const QModelIndexList treeSelection = w_.tree()->selectionModel()->selectedIndexes();
        if (treeSelection.size() != 1 || !treeSelection[0].data().toString().contains(q(selected->Text())) ||
            w_.tree()->currentIndex() != treeSelection[0])
            return "tree selection or current row differs from the control's";
        for (const auto& [view, control] :
             {std::pair{w_.list(), &c.lItem}, std::pair{dates(), &c.dBackWinDateList}}) {
            if (view == nullptr)
                continue;
            const QString name = view->objectName();
            if (view->model()->rowCount() != control->ListItems.Count())
                return name.toStdString() + ": row count differs";
            for (int r = 0; r < control->ListItems.Count(); ++r) {
                const ui::ListItem& item = control->ListItems(r + 1);
                const QModelIndex row = view->model()->index(r, 0);
                if (!row.data().toString().contains(q(item.Text())) ||
                    view->selectionModel()->isSelected(row) != item.Selected())
                    return name.toStdString() + ": row " + std::to_string(r) + " differs";
            }
            const ui::ListItem* current = control->SelectedItem();
            if (view->currentIndex().row() != (current != nullptr ? current->Index() - 1 : -1))
                return name.toStdString() + ": current row differs";
        }
        // An editor open in each view, then each text box enabled.
        std::vector<std::tuple<QWidget*, bool, bool>> states{
            {w_.tree(), openEditor(w_.tree()) != nullptr, c.lTre.editingNode() != nullptr},
            {w_.list(), openEditor(w_.list()) != nullptr, c.lItem.editingItem() != nullptr},
            {noteBox(), noteBox()->isEnabled(), c.lText.Enabled()}};
        if (dates() != nullptr)
            states.emplace_back(dates(), openEditor(dates()) != nullptr,
                                c.dBackWinDateList.editingItem() != nullptr);
        if (dayBox() != nullptr)
            states.emplace_back(dayBox(), dayBox()->isEnabled(), c.dDateWinText.Enabled());
        for (const auto& [widget, shown, held] : states)
            if (shown != held)
                return widget->objectName().toStdString() + ": editor or enabled state differs";
        for (const ui::MenuEntry* entry : w_.menu().bar.allEntries()) {
            const QAction* action = w_.action(qt::objectNameOf(*entry));
            if (action->isVisible() != entry->Visible() || action->isChecked() != entry->Checked() ||
                (entry->Visible() && action->isEnabled() != entry->Enabled()))
                return qt::objectNameOf(*entry).toStdString() + ": state differs";
        }
        return {};
    }

    SkinWindow w_;
    const std::vector<ui::MenuEntry*> commands_ = tests::windowCommands(w_.menu().bar);
    QAbstractItemModelTester treeModel_{w_.tree()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest};
    QAbstractItemModelTester listModel_{w_.list()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest};
    bool active_ = false;
    // The day the platform's clock gives.
    int32_t today_ = MODULDaywise::DateToDay("2002-11-20");
    std::string keyboardBreak_;
    TypedText note_, day_;
    int shownItem_ = -1;
    std::string shownIdentity_;
    QString shownText_;
    int itemCount_ = 0;
    int openDay_ = 0;
    QString dayText_;
    std::string aimedNode_, aimedEntry_, draggedKey_;
    std::vector<std::string> foldersBefore_;
};

// The first break a gesture list meets on a fresh window, or "".
std::string firstBreak(const std::vector<Gesture>& gestures, bool inScheduler,
                       tests::ModalWatchdog& watchdog) {
    Player player(inScheduler);
    for (const Gesture& g : gestures) {
        watchdog.expectModal(g.kind == AccessKeys);
        std::string broken = player.play(g);
        watchdog.expectModal(false);
        if (!broken.empty())
            return broken;
    }
    return {};
}

int weightedKind(std::uint32_t random) {
    int pick = static_cast<int>(random % std::accumulate(std::begin(KindWeights), std::end(KindWeights), 0u));
    int kind = 0;
    while (pick >= KindWeights[kind])
        pick -= KindWeights[kind++];
    return kind;
}

// Drops each gesture in turn, from the last, that the list still breaks without.
std::vector<Gesture> minimise(std::vector<Gesture> gestures, bool inScheduler,
                              tests::ModalWatchdog& watchdog) {
    for (std::size_t k = gestures.size(); k-- > 0;) {
        std::vector<Gesture> fewer = gestures;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(k));
        if (!firstBreak(fewer, inScheduler, watchdog).empty())
            gestures = std::move(fewer);
    }
    return gestures;
}

} // namespace

int settingIndex();

// Seeded random gestures through the real window, for SOAK_SECONDS (a few seconds when unset): mouse
// buttons with modifiers, double and slow clicks, drags with extra presses and keys, the keyboard,
// typing, undo, and menu entries by shortcut, access key, mouse and pop-up, editors open or not.
class RandomGesturesTest : public QObject {
    Q_OBJECT

private slots:
    void gesturesKeepEveryWidgetTheStoreAndTheTypingInStep() {
        const qint64 seconds =
            qEnvironmentVariableIsSet("SOAK_SECONDS") ? qEnvironmentVariableIntValue("SOAK_SECONDS") : 4;
        QElapsedTimer clock;
        clock.start();
        long played = 0;
        // Each setting plays seeds of its own.
        const std::uint32_t first = 1 + 1000000 * static_cast<std::uint32_t>(settingIndex());
        for (std::uint32_t seed = first; clock.elapsed() < seconds * 1000; ++seed, played += 80) {
            std::mt19937 random(seed);
            std::vector<Gesture> gestures(80);
            for (Gesture& g : gestures)
                g = {weightedKind(random()), unsigned(random() % 1000), unsigned(random() % 1000),
                     unsigned(random() % 1000)};
            const std::string broken = firstBreak(gestures, seed % 2 == 1, watchdog_);
            if (broken.empty())
                continue;
            std::string report = "seed " + std::to_string(seed) + ": " + broken + "\nminimal gestures:";
            // Shown at once: replaying to a minimal list takes a while.
            std::printf("%s\n", report.c_str());
            std::fflush(stdout);
            for (const Gesture& kept : minimise(gestures, seed % 2 == 1, watchdog_))
                report += "\n  " + kept.describe();
            QFAIL(report.c_str());
        }
        // Printed past the test's message log, which the offscreen platform's warnings fill.
        std::printf("%ld gestures played\n", played);
        const QString unexpected = watchdog_.takeUnexpected();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
    }

private:
    tests::ModalWatchdog watchdog_;
};

// What the window is drawn on, by GESTURE_SETTING: a screen smaller than the window's design, so that it
// opens shrunk (the default); "small", the smallest screen it is made for; "scaled", twice Qt's scale
// on a desktop screen; "reversed", right to left.
const struct {
    const char* name;
    screenshot::Setting setting;
} Settings[] = {
    {"", {.screen = {800, 600}}},
    {"small", {.screen = {640, 480}}},
    {"scaled", {.screen = {1280, 1024}, .scale = 2}},
    {"reversed", {.screen = {800, 600}, .direction = Qt::RightToLeft}},
};

int settingIndex() {
    const QByteArray wanted = qgetenv("GESTURE_SETTING");
    for (int i = 0; i < int(std::size(Settings)); ++i)
        if (wanted == Settings[i].name)
            return i;
    qFatal("GESTURE_SETTING is none of small, scaled and reversed");
}

// The slow second click waits out the double-click interval; a short one keeps the run full of gestures.
int main(int argc, char* argv[]) {
    // A soak runs longer than the test library's default limit of five minutes a test.
    const int seconds = qEnvironmentVariableIntValue("SOAK_SECONDS");
    qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number((std::max(seconds, 0) + 900) * 1000));
    screenshot::PinnedApplication application(argc, argv, Settings[settingIndex()].setting);
    QApplication::setDoubleClickInterval(80);
    RandomGesturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RandomGesturesTest.moc"
