#include "qt/MenuBinding.h"

#include "qt/Mirror.h"
#include "qt/ObjectNames.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace qt {

namespace {

// Checked is the only state Qt changes by itself when an action is triggered; an action is checkable
// only while its entry is checked, so an unchecked entry shows no empty check box either.
void copyState(const ui::MenuEntry& entry, QAction& action) {
    action.setEnabled(entry.Enabled());
    action.setVisible(entry.Visible());
    action.setCheckable(entry.Checked());
    action.setChecked(entry.Checked());
}

// A name being typed into a tree or list row keeps its own editing keys: a paste there must paste text,
// not items (whose list refill would end the edit and drop what was typed).
bool isInPlaceEditor(const QWidget* widget) {
    const QWidget* viewport = widget->parentWidget();
    return qobject_cast<const QLineEdit*>(widget) != nullptr && viewport != nullptr &&
           qobject_cast<const QAbstractItemView*>(viewport->parentWidget()) != nullptr;
}

// A caption marks its access key with "&" and shows "&&" as one ampersand. Qt underlines every marked
// letter, but a screen reader would read each marker after the first as an ampersand: the entry keeps
// the first, the one its key is.
QString menuText(const std::string& caption) {
    QString text = toQString(caption);
    bool marked = false;
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text[at] != u'&')
            continue;
        if (text[at + 1] == u'&')
            ++at;
        else if (marked)
            text.remove(at--, 1);
        else
            marked = true;
    }
    return text;
}

} // namespace

MenuBinding::MenuBinding(ui::MenuBar& menus, QMenuBar& bar) : QObject(&bar), bar_(bar) {
    for (const auto& top : menus.menus()) {
        QMenu* menu = bar_.addMenu(menuText(top->Caption()));
        menu->setObjectName(objectNameOf(*top));
        bindEntry(*top, *menu->menuAction());
        addEntries(*menu, *top);
    }
    qApp->installEventFilter(this);
}

void MenuBinding::addEntries(QMenu& menu, ui::MenuEntry& parent) {
    for (const auto& child : parent.entries()) {
        ui::MenuEntry& entry = *child;
        if (!entry.entries().empty()) {
            QMenu* submenu = menu.addMenu(menuText(entry.Caption()));
            submenu->setObjectName(objectNameOf(entry));
            bindEntry(entry, *submenu->menuAction());
            addEntries(*submenu, entry);
            continue;
        }
        QAction* action =
            entry.isSeparator() ? menu.addSeparator() : menu.addAction(menuText(entry.Caption()));
        if (!entry.Shortcut().empty()) {
            action->setShortcut(QKeySequence(toQString(entry.Shortcut()), QKeySequence::PortableText));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        bindEntry(entry, *action);
        connect(action, &QAction::triggered, action, [&entry, action] {
            entry.userChoose();
            copyState(entry, *action);
        });
    }
}

void MenuBinding::bindEntry(ui::MenuEntry& entry, QAction& action) {
    action.setObjectName(objectNameOf(entry));
    copyState(entry, action);
    connectWhileAlive(entry.Changed, &action, [&entry, &action] { copyState(entry, action); });
}

bool MenuBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != bar_.window() || isInPlaceEditor(widget))
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : bar_.findChildren<QAction*>()) {
        if (action->isEnabled() && action->isVisible() && action->shortcut() == pressed) {
            event->ignore();
            return true;
        }
    }
    return false;
}

} // namespace qt
