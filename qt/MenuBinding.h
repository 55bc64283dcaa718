#pragma once

#include "ui/MenuEntry.h"

#include <QMenuBar>
#include <QObject>

namespace qt {

// Fills a QMenuBar with one QAction (or QMenu) per entry of a headless menu bar and keeps caption,
// shortcut, Enabled, Visible and Checked of each in step with its entry. A triggered action asks its
// entry to be chosen; the entry decides whether anything happens.
class MenuBinding : public QObject {
public:
    MenuBinding(ui::MenuBar& menus, QMenuBar& bar);

protected:
    // A shortcut of the menu bar acts for the whole window, so the text box and the in-place editors
    // must not claim Ctrl+C, Ctrl+X or Ctrl+V for their own clipboard while the entry can be chosen.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addEntries(QMenu& menu, ui::MenuEntry& parent);
    void bindEntry(ui::MenuEntry& entry, QAction& action);

    QMenuBar& bar_;
};

} // namespace qt
