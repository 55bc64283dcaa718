// The README's pictures of the real window: built as `scrivlet` builds it, filled with a few sample notes
// through the same calls the tests use, a panel opened through its menu entry and typed into as a user
// would. The screenshot tool saves them; the skin's tests compare them with the stored ones.

#include "tools/screenshot/Scene.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTreeView>

#include <cstdio>

namespace screenshot {

namespace {

struct SampleItem {
    const char* folder;
    const char* name;
    const char* text;
};

const char* const SampleFolders[][2] = {
    {"Scrivlet", "Home"}, {"Scrivlet", "Work"}, {"Scrivlet\\Work", "Plans"}, {"Scrivlet", "Recipes"}};

const SampleItem SampleItems[] = {
    {"Scrivlet\\Work", "Meeting notes",
     "Monday stand-up\n\n- Release notes go out on Thursday\n- Book the room for the planning day\n"
     "- Budget review moved to the 14th\n\nNext: prepare the slides for the quarterly review."},
    {"Scrivlet\\Work", "Ideas", "A shared calendar for the team room.\nFewer meetings on Fridays."},
    {"Scrivlet\\Work", "Quarterly budget", "Travel 1,200\nSoftware 800\nTraining 650"},
    {"Scrivlet\\Home", "Groceries", "Apples\nBread\nCoffee beans\nOat milk"},
    {"Scrivlet\\Recipes", "Lentil soup", "Red lentils, carrots, cumin, lemon."},
};

bool fail(const char* message) {
    std::fprintf(stderr, "scrivlet_screenshot: %s\n", message);
    return false;
}

// Clicks the centre of a row, as a person would.
bool clickTreeNode(QTreeView& tree, const QString& text) {
    const QAbstractItemModel* model = tree.model();
    const QModelIndexList found =
        model->match(model->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return fail("a sample folder is missing from the tree");
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(found.first()).center());
    return true;
}

bool fillSampleNotes(app::frmMain& form, QMainWindow& window) {
    for (const auto& [parent, name] : SampleFolders)
        if (!form.notes().tree().appendFolder(parent, name))
            return fail("a sample folder was refused");
    for (const SampleItem& item : SampleItems)
        if (!form.notes().store().appendItem(item.name, item.folder, item.text))
            return fail("a sample item was refused");
    auto* tree = window.findChild<QTreeView*>(QStringLiteral("lTre"));
    auto* list = window.findChild<QListView*>(QStringLiteral("lItem"));
    if (tree == nullptr || list == nullptr)
        return fail("the window has no lTre or no lItem");
    tree->expandAll();
    if (!clickTreeNode(*tree, QStringLiteral("Work")))
        return false;
    if (list->model()->rowCount() == 0)
        return fail("the Work folder lists no items");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    return true;
}

bool choose(QMainWindow& window, const QString& entry) {
    auto* action = window.findChild<QAction*>(entry);
    if (action == nullptr || !action->isEnabled())
        return fail("a menu entry to open the panel is missing or disabled");
    action->trigger();
    return true;
}

} // namespace

Window::Window() {
    form.Form_Load();
}

QImage take(Window& w, const QString& panel, const QString& term) {
    QMainWindow& window = w.window;
    if (!QTest::qWaitForWindowExposed(&window) || !fillSampleNotes(w.form, window))
        return {};
    if (panel == QLatin1String("calculator")) {
        if (!choose(window, QStringLiteral("mNumbraShow")))
            return {};
        auto* input = window.findChild<QLineEdit*>(QStringLiteral("cCalcWinInput"));
        if (input == nullptr)
            return fail("the calculator panel has no cCalcWinInput"), QImage();
        input->setFocus();
        QTest::keyClicks(input, term);
    } else if (panel == QLatin1String("scheduler") && !choose(window, QStringLiteral("mDateShow"))) {
        return {};
    }
    // Lets the layout settle after the panel opened, so the picture shows the window as a user sees it.
    QTest::qWait(300);
    return window.grab().toImage();
}

} // namespace screenshot
