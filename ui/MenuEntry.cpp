#include "ui/MenuEntry.h"

#include <functional>
#include <utility>

namespace ui {

MenuEntry::MenuEntry(std::string name, int index, std::string caption, std::string shortcut,
                     Control* container)
    : Control(std::move(name), container), index_(index), caption_(std::move(caption)),
      shortcut_(std::move(shortcut)) {}

void MenuEntry::setChecked(bool checked) {
    if (checked_ == checked)
        return;
    checked_ = checked;
    notifyChanged();
}

MenuEntry& MenuEntry::addEntry(std::string name, int index, std::string caption, std::string shortcut) {
    entries_.push_back(
        std::make_unique<MenuEntry>(std::move(name), index, std::move(caption), std::move(shortcut), this));
    return *entries_.back();
}

void MenuEntry::userChoose() {
    if (!isSeparator() && entries_.empty() && acceptsInput())
        Click();
}

MenuEntry& MenuBar::addMenu(std::string name, std::string caption) {
    menus_.push_back(
        std::make_unique<MenuEntry>(std::move(name), -1, std::move(caption), std::string{}, &window_));
    return *menus_.back();
}

std::vector<MenuEntry*> MenuBar::allEntries() const {
    std::vector<MenuEntry*> all;
    std::function<void(const std::vector<std::unique_ptr<MenuEntry>>&)> walk = [&](const auto& entries) {
        for (const auto& entry : entries) {
            all.push_back(entry.get());
            walk(entry->entries());
        }
    };
    walk(menus_);
    return all;
}

} // namespace ui
