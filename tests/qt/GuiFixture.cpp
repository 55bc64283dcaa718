#include "tests/qt/GuiFixture.h"

namespace tests {

std::vector<std::function<QObject*()>>& testClasses() {
    static std::vector<std::function<QObject*()>> classes;
    return classes;
}

ModalWatchdog::ModalWatchdog() {
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, [this] { check(); });
    timer_.start();
}

void ModalWatchdog::check() {
    QWidget* open = QApplication::activeModalWidget();
    if (open == nullptr)
        open = QApplication::activePopupWidget();
    if (open == nullptr || expected_)
        return;
    unexpected_ += QStringLiteral("%1 '%2' opened; ")
                       .arg(QLatin1String(open->metaObject()->className()), open->objectName());
    open->close();
}

void WindowPerTest::openWindow() {
    window_ = std::make_unique<SkinWindow>();
    QVERIFY(QTest::qWaitForWindowExposed(&window_->window));
}

void WindowPerTest::openActiveWindow() {
    openWindow();
    window_->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window_->window));
}

void WindowPerTest::closeWindow() {
    window_.reset();
    const QString unexpected = watchdog_.takeUnexpected();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

QModelIndex nodeRow(const QTreeView* tree, const QString& text) {
    const QAbstractItemModel* model = tree->model();
    const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, text, -1,
                                               Qt::MatchExactly | Qt::MatchRecursive | Qt::MatchWrap);
    return found.size() == 1 ? found.first() : QModelIndex();
}

void clickTreeNode(QTreeView* tree, const QString& text, Qt::MouseButton button) {
    const QModelIndex row = nodeRow(tree, text);
    QVERIFY2(row.isValid(), qPrintable(text));
    QTest::mouseClick(tree->viewport(), button, {}, tree->visualRect(row).center());
}

QPoint nodeCentre(const QTreeView* tree, const QString& text) {
    return tree->visualRect(nodeRow(tree, text)).center();
}

void startDrag(QTreeView* tree, const QPoint& from) {
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(tree->viewport(), from + QPoint(0, QApplication::startDragDistance() + 2));
}

void clickListRow(QListView* list, int row, Qt::KeyboardModifiers modifiers) {
    QVERIFY(row < list->model()->rowCount());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualRect(list->model()->index(row, 0)).center());
}

QLineEdit* openEditor(const QAbstractItemView* view) {
    for (QLineEdit* editor : view->viewport()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        if (editor->isVisible())
            return editor;
    return nullptr;
}

void triggerEnabled(QAction* action) {
    QVERIFY(action != nullptr);
    QVERIFY2(action->isEnabled(), qPrintable(action->objectName() + QStringLiteral(" is disabled")));
    QVERIFY2(action->isVisible(), qPrintable(action->objectName() + QStringLiteral(" is hidden")));
    action->trigger();
}

} // namespace tests
