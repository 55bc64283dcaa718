#include "qt/QtPlatform.h"

#include "qt/ClockDate.h"
#include "qt/LineEditBinding.h"
#include "qt/Mirror.h"
#include "qt/ObjectNames.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QInputDialog>
#include <QMenu>
#include <QThread>
#include <QTime>

#include <cstdlib>

namespace qt {

namespace {

QWidget* findWidget(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name)
            return top;
        if (auto* found = top->findChild<QWidget*>(name))
            return found;
    }
    return nullptr;
}

} // namespace

std::string QtPlatform::inputText(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(toQString(title));
    dialog.setLabelText(toQString(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    // The slot's text may be longer than a line edit takes by default.
    if (auto* line = dialog.findChild<QLineEdit*>())
        line->setMaxLength(LongestLine);
    dialog.setTextValue(toQString(defaultText));
    return dialog.exec() == QDialog::Accepted ? toStdString(dialog.textValue()) : std::string();
}

void QtPlatform::processEvents() {
    QCoreApplication::processEvents();
}

std::string QtPlatform::systemDateText() {
    return clockDateText(QDate::currentDate());
}

double QtPlatform::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtPlatform::popupMenu(ui::MenuEntry& menu, const std::string& owner, int x, int y,
                           ui::MenuEntry* defaultEntry) {
    QWidget* ownerWidget = findWidget(toQString(owner));
    if (ownerWidget == nullptr)
        return;
    auto* qmenu = ownerWidget->window()->findChild<QMenu*>(objectNameOf(menu));
    if (qmenu == nullptr)
        return;
    // Points inside a scrolling view are given in the coordinates of its visible area.
    QWidget* area = ownerWidget;
    if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(ownerWidget))
        area = scrollArea->viewport();
    QAction* bold = nullptr;
    if (defaultEntry != nullptr)
        bold = qmenu->findChild<QAction*>(objectNameOf(*defaultEntry), Qt::FindDirectChildrenOnly);
    // The same QMenu drops down from the menu bar, where no entry is the default.
    QAction* const previous = qmenu->defaultAction();
    qmenu->setDefaultAction(bold);
    qmenu->exec(area->mapToGlobal(QPoint(x, y)));
    qmenu->setDefaultAction(previous);
}

// Nothing is kept, so nothing needs saving or asking: every event loop, nested ones included, stops, and
// main() returns. Before the main loop runs there is no loop to stop, so the process ends directly.
void QtPlatform::endProgram() {
    if (QThread::currentThread()->loopLevel() == 0)
        std::exit(EXIT_SUCCESS);
    QCoreApplication::exit(EXIT_SUCCESS);
}

} // namespace qt
