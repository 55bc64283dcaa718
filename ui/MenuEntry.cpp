#include "ui/MenuEntry.h"

#include <cctype>
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

char MenuEntry::AccessKey() const {
    for (std::size_t i = 0; i + 1 < caption_.size(); ++i) {
        if (caption_[i] != '&')
            continue;
        if (caption_[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(caption_[i + 1])));
    }
    return 0;
}

std::string MenuEntry::DisplayCaption() const {
    std::string shown;
    for (std::size_t i = 0; i < caption_.size(); ++i) {
        if (caption_[i] == '&' && i + 1 < caption_.size())
            ++i;
        shown += caption_[i];
    }
    return shown;
}

bool MenuEntry::Choosable() const {
    return !IsSeparator() && entries_.empty() && acceptsInput();
}

void MenuEntry::userChoose() {
    if (Choosable())
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
            walk(entry->Entries());
        }
    };
    walk(menus_);
    return all;
}

MenuEntry* MenuBar::find(std::string_view name, int index) const {
    for (MenuEntry* entry : allEntries()) {
        if (entry->Name() == name && entry->Index() == index)
            return entry;
    }
    return nullptr;
}

bool MenuBar::userPressShortcut(std::string_view shortcut) {
    for (MenuEntry* entry : allEntries()) {
        if (!shortcut.empty() && entry->Shortcut() == shortcut && entry->Choosable()) {
            entry->userChoose();
            return true;
        }
    }
    return false;
}

bool MenuBar::userPressAccessKeys(std::string_view keys) {
    const std::vector<std::unique_ptr<MenuEntry>>* level = &menus_;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(keys[k])));
        MenuEntry* match = nullptr;
        for (const auto& entry : *level) {
            if (entry->AccessKey() == key && entry->acceptsInput() && !entry->IsSeparator()) {
                match = entry.get();
                break;
            }
        }
        if (match == nullptr)
            return false;
        if (match->Entries().empty()) {
            if (k + 1 != keys.size())
                return false;
            match->userChoose();
            return true;
        }
        level = &match->Entries();
    }
    return false;
}

} // namespace ui
