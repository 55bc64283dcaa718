#pragma once

#include "ui/Control.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// One entry of a menu bar or of a menu: a command, a separator (caption "-") or a menu holding entries.
// An entry of a control array carries its index (0, 1, ...); other entries have the index -1.
class MenuEntry : public Control {
public:
    MenuEntry(std::string name, int index, std::string caption, std::string shortcut, Control* container);

    int Index() const { return index_; }
    const std::string& Caption() const { return caption_; }
    const std::string& Shortcut() const { return shortcut_; }
    bool IsSeparator() const { return caption_ == "-"; }

    bool Checked() const { return checked_; }
    void setChecked(bool checked);

    MenuEntry& addEntry(std::string name, int index, std::string caption, std::string shortcut = {});
    const std::vector<std::unique_ptr<MenuEntry>>& Entries() const { return entries_; }

    // The character after a single "&" in the caption, upper-cased; 0 when the caption has none
    // ("&&" stands for a literal ampersand).
    char AccessKey() const;
    // The caption as shown: access-key markers removed, "&&" shown as "&".
    std::string DisplayCaption() const;

    // The user chooses the entry, from its menu, from a pop-up menu or by its access key. Separators,
    // menus, and disabled or hidden entries (or entries in a disabled or hidden menu) do nothing.
    void userChoose();
    bool Choosable() const;

    Signal<> Click;

private:
    int index_;
    std::string caption_;
    std::string shortcut_;
    bool checked_ = false;
    std::vector<std::unique_ptr<MenuEntry>> entries_;
};

// The menus of a window's menu bar. Shortcuts and access keys are looked up here, so they act for the
// whole window whichever control has the focus.
class MenuBar {
public:
    explicit MenuBar(Control& window) : window_(window) {}

    MenuEntry& addMenu(std::string name, std::string caption);
    const std::vector<std::unique_ptr<MenuEntry>>& Menus() const { return menus_; }

    // Every entry, menus and submenus included, in menu order.
    std::vector<MenuEntry*> allEntries() const;
    MenuEntry* find(std::string_view name, int index = -1) const;

    // The user presses a shortcut such as "Ctrl+C" or "F2". Returns whether an entry was chosen.
    bool userPressShortcut(std::string_view shortcut);
    // The user opens a menu with Alt and its access key, then presses the access keys of the entries
    // down to a command ("IC": Item, Copy). Where two entries of one menu share an access key, the first
    // one that can be chosen wins. Returns whether an entry was chosen.
    bool userPressAccessKeys(std::string_view keys);

private:
    Control& window_;
    std::vector<std::unique_ptr<MenuEntry>> menus_;
};

} // namespace ui
