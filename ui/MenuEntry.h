#pragma once

#include "ui/Control.h"

#include <memory>
#include <string>
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
    bool isSeparator() const { return caption_ == "-"; }

    bool Checked() const { return checked_; }
    void setChecked(bool checked);

    MenuEntry& addEntry(std::string name, int index, std::string caption, std::string shortcut = {});
    const std::vector<std::unique_ptr<MenuEntry>>& entries() const { return entries_; }

    // The user chooses the entry, from its menu, from a pop-up menu, by its shortcut or by its access key
    // (the caption's "&" marks it, "&&" is a literal ampersand; the skin reads both). Separators, menus,
    // and disabled or hidden entries (or entries in a disabled or hidden menu) do nothing.
    void userChoose();

    Signal<> Click;

private:
    int index_;
    std::string caption_;
    std::string shortcut_;
    bool checked_ = false;
    std::vector<std::unique_ptr<MenuEntry>> entries_;
};

// The menus of a window's menu bar.
class MenuBar {
public:
    explicit MenuBar(Control& window) : window_(window) {}

    MenuEntry& addMenu(std::string name, std::string caption);
    const std::vector<std::unique_ptr<MenuEntry>>& menus() const { return menus_; }

    // Every entry, menus and submenus included, in menu order.
    std::vector<MenuEntry*> allEntries() const;

private:
    Control& window_;
    std::vector<std::unique_ptr<MenuEntry>> menus_;
};

} // namespace ui
