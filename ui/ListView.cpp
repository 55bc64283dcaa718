#include "ui/ListView.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace ui {

namespace {

// Letters compared without regard to case. Equal bytes are equal in any case, so only the bytes that
// differ go through tolower: filling a sorted list in order compares long common prefixes.
bool textLess(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t k = 0; k < common; ++k) {
        if (a[k] == b[k])
            continue;
        const int x = std::tolower(static_cast<unsigned char>(a[k]));
        const int y = std::tolower(static_cast<unsigned char>(b[k]));
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

} // namespace

void ListItem::setText(std::string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    list_->ItemChanged(index_);
}

void ListItem::setSmallIcon(int icon) {
    if (smallIcon_ == icon)
        return;
    smallIcon_ = icon;
    list_->ItemChanged(index_);
}

void ListItem::setForeColor(uint32_t colour) {
    if (foreColor_ == colour)
        return;
    foreColor_ = colour;
    list_->ItemChanged(index_);
}

void ListItem::setToolTipText(std::string text) {
    if (toolTipText_ == text)
        return;
    toolTipText_ = std::move(text);
    list_->ItemChanged(index_);
}

void ListItem::setSelected(bool selected) {
    list_->setItemSelected(*this, selected);
}

ListItem* ListItemCollection::Add(std::string key, std::string text, int smallIcon) {
    const std::size_t hash = byKey_.hashOf(key);
    if (byKey_.find(key, hash) != nullptr)
        return nullptr;
    ListItem* const added = newItem();
    added->list_ = &list_;
    added->key_ = std::move(key);
    added->text_ = std::move(text);
    added->smallIcon_ = smallIcon;
    added->foreColor_ = 0;
    added->toolTipText_.clear();
    added->selected_ = false;
    byKey_.insert(added, hash);
    auto at = items_.end();
    // Entries added in text order belong at the end; only the others need the search, so that filling a
    // sorted list in order costs one comparison an entry.
    if (list_.sorted_ && !items_.empty() && textLess(added->text_, items_.back()->text_)) {
        at = std::upper_bound(
            items_.begin(), items_.end(), added->text_,
            [](const std::string& text, const ListItem* other) { return textLess(text, other->text_); });
    }
    const auto position = static_cast<std::size_t>(at - items_.begin());
    list_.ItemAboutToBeInserted(static_cast<int>(position) + 1);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position), added);
    renumberFrom(position);
    list_.ItemInserted(added->index_);
    return added;
}

void ListItemCollection::Remove(int index) {
    if (index < 1 || index > Count())
        return;
    ListItem& item = (*this)(index);
    list_.forgetRemoved(item);
    list_.ItemAboutToBeRemoved(index);
    byKey_.erase(item.key_);
    items_.erase(items_.begin() + (index - 1));
    free_.push_back(&item);
    renumberFrom(static_cast<std::size_t>(index - 1));
    list_.ItemRemoved(index);
}

void ListItemCollection::Clear() {
    const bool hadFocus = list_.focus_ != nullptr;
    list_.focus_ = list_.anchor_ = nullptr;
    list_.cancelEdit();
    list_.ItemsAboutToBeReset();
    items_.clear();
    byKey_.clear();
    // Handed out again in pool order, so a refill lays its entries out as the first fill did.
    free_.clear();
    for (auto it = pool_.rbegin(); it != pool_.rend(); ++it)
        free_.push_back(&*it);
    list_.ItemsReset();
    if (hadFocus)
        list_.FocusChanged();
}

ListItem* ListItemCollection::find(std::string_view key) const {
    return byKey_.find(key);
}

ListItem* ListItemCollection::newItem() {
    if (free_.empty())
        return &pool_.emplace_back();
    ListItem* const item = free_.back();
    free_.pop_back();
    return item;
}

void ListItemCollection::renumberFrom(std::size_t position) {
    for (std::size_t i = position; i < items_.size(); ++i)
        items_[i]->index_ = static_cast<int>(i) + 1;
}

ListView::ListView(std::string name, Control* container) : Control(std::move(name), container) {}

void ListView::setSorted(bool sorted) {
    if (sorted_ == sorted)
        return;
    sorted_ = sorted;
    if (sorted_) {
        auto& items = ListItems.items_;
        ItemsAboutToBeReset();
        std::stable_sort(items.begin(), items.end(),
                         [](const auto& a, const auto& b) { return textLess(a->text_, b->text_); });
        ListItems.renumberFrom(0);
        ItemsReset();
    }
}

void ListView::setMultiSelect(bool multiSelect) {
    multiSelect_ = multiSelect;
    // The selection focus is always a selected entry, so this keeps it and drops the rest.
    if (!multiSelect_)
        selectAlone(focus_);
}

void ListView::setItemSelected(ListItem& item, bool selected) {
    if (selected && !multiSelect_) {
        selectAlone(&item);
        return;
    }
    if (item.selected_ != selected) {
        item.selected_ = selected;
        SelectionChanged({item.index_, item.index_, selected, false});
    }
    if (selected) {
        setFocus(&item);
    } else if (focus_ == &item) {
        ListItem* next = nullptr;
        for (const auto& other : ListItems.items_) {
            if (other->selected_) {
                next = other;
                break;
            }
        }
        setFocus(next);
    }
}

void ListView::selectAlone(ListItem* item) {
    for (ListItem* other : ListItems.items_)
        other->selected_ = other == item;
    if (item != nullptr)
        SelectionChanged({item->index_, item->index_, true, true});
    else
        SelectionChanged({1, 0, false, true});
    setFocus(item);
}

void ListView::selectRange(int from, int to) {
    for (ListItem* item : ListItems.items_)
        item->selected_ = item->index_ >= from && item->index_ <= to;
    SelectionChanged({from, to, true, true});
}

void ListView::setFocus(ListItem* item) {
    if (focus_ == item)
        return;
    focus_ = item;
    FocusChanged();
}

void ListView::forgetRemoved(ListItem& item) {
    if (anchor_ == &item)
        anchor_ = nullptr;
    forgetEdited(&item);
    if (item.selected_)
        setItemSelected(item, false);
    if (focus_ == &item)
        setFocus(nullptr);
}

bool ListView::selectByGesture(int index, int16_t shift) {
    if (!acceptsInput() || index < 1 || index > ListItems.Count())
        return false;
    ListItem& item = ListItems(index);
    if (multiSelect_ && (shift & vbCtrlMask) != 0) {
        setItemSelected(item, !item.selected_);
        anchor_ = &item;
    } else if (multiSelect_ && (shift & vbShiftMask) != 0 && anchor_ != nullptr) {
        selectRange(std::min(anchor_->index_, index), std::max(anchor_->index_, index));
        setFocus(&item);
    } else {
        selectAlone(&item);
        anchor_ = &item;
    }
    return true;
}

void ListView::userClickItem(int index, int16_t shift) {
    if (!selectByGesture(index, shift))
        return;
    ItemClick(ListItems(index));
    MouseUp(vbLeftButton, shift, 0, 0);
}

void ListView::userSelectWithKeyboard(int index, int16_t shift) {
    if (selectByGesture(index, shift))
        ItemClick(ListItems(index));
}

void ListView::userClickEmpty() {
    if (!acceptsInput())
        return;
    selectAlone(nullptr);
    MouseUp(vbLeftButton, 0, 0, 0);
}

void ListView::userRightClick(Point at) {
    if (acceptsInput())
        MouseUp(vbRightButton, 0, at.x, at.y);
}

void ListView::userKeyUp(int16_t keyCode, int16_t shift) {
    if (acceptsInput())
        KeyUp(keyCode, shift);
}

ListItem* ListView::soleSelected() const {
    ListItem* sole = nullptr;
    for (ListItem* item : ListItems.items_) {
        if (!item->selected_)
            continue;
        if (sole != nullptr)
            return nullptr;
        sole = item;
    }
    return sole;
}

void ListView::userPress(int16_t button, int16_t shift, Hit hit) {
    slowClick_.reset();
    ListItem* pressed = hit.row >= 1 && hit.row <= ListItems.Count() ? &ListItems(hit.row) : nullptr;
    if (editingItem() != nullptr && !completeEditForPress(pressed))
        return;
    if (button != vbLeftButton)
        return;
    std::optional<std::string> again;
    if (shift == 0 && pressed != nullptr && pressed == focus_ && soleSelected() == pressed)
        again = pressed->Key();
    if (pressed != nullptr)
        userClickItem(pressed->Index(), shift);
    else
        userClickEmpty();
    if (again && focus_ != nullptr && focus_->Key() == *again)
        slowClick_ = std::move(again);
}

void ListView::userRelease(int16_t button, Hit hit) {
    if (button == vbRightButton)
        userRightClick(hit.at);
}

void ListView::userDoubleClick(int16_t button, int16_t shift, Hit hit) {
    userPress(button, shift, hit);
    slowClick_.reset();
}

void ListView::userDoubleClickIntervalEnded() {
    const std::optional<std::string> key = std::exchange(slowClick_, std::nullopt);
    const ListItem* sole = soleSelected();
    if (key && sole != nullptr && sole->Key() == *key)
        StartLabelEdit();
}

bool ListView::userKeyDown(int16_t keyCode, int16_t shift, Hit keyboardRow) {
    if (editingItem() != nullptr)
        return false;
    if (keyCode != vbKeySpace || keyboardRow.row < 1 || keyboardRow.row > ListItems.Count())
        return true;
    userClickItem(keyboardRow.row, shift);
    return false;
}

bool ListView::userKeyboardMove(int index, int16_t shift) {
    if ((shift & vbCtrlMask) != 0)
        return true;
    userSelectWithKeyboard(index, static_cast<int16_t>(shift & vbShiftMask));
    return false;
}

void ListView::userKeyRelease(int16_t keyCode, int16_t shift) {
    if (editingItem() == nullptr && keyCode != 0)
        userKeyUp(keyCode, shift);
}

void ListView::userContextMenuKey(Hit keyboardRow) {
    if (editingItem() == nullptr)
        userRightClick(keyboardRow.at);
}

} // namespace ui
