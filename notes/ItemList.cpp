#include "notes/ItemList.h"

#include "notes/FolderMenus.h"
#include "ui/ImageList.h"
#include "ui/NumberKey.h"

namespace notes {

ItemList::ItemList(NotesStore& store, NotesControls& controls, ItemTextBinding& text)
    : store_(store), controls_(controls), lItem(controls.lItem), text_(text) {}

void ItemList::ListFolderItems(bool onlyIfChanged) {
    text_.StoreItemText();
    if (const ui::TreeNode* selected = controls_.lTre.SelectedItem())
        selFolder_ = static_cast<int16_t>(selected->Index());
    if (shownFolder_ == selFolder_ && onlyIfChanged)
        return;
    shownFolder_ = selFolder_;
    const int16_t kind = store_.FolderKind(selFolder_);
    if (kind != menuKind_) {
        UpdateFolderMenus(controls_.menus, kind);
        menuKind_ = kind;
    }
    fillItemList();
}

void ItemList::fillItemList() {
    lItem.ListItems.Clear();
    const std::string key = store_.FolderKey(selFolder_);
    for (int j = 0; j < store_.ItemCount; ++j)
        if (store_.ItemFolder[static_cast<std::size_t>(j)] == key)
            lItem.ListItems.Add(ItemKey(j), store_.ItemName[static_cast<std::size_t>(j)], ui::ImageItem);
    ShowSelectedItemText(false);
}

std::string ItemList::ItemKey(int j) {
    return ui::numberKey(j);
}

int16_t ItemList::itemIndexOf(const ui::ListItem& entry) {
    return static_cast<int16_t>(ui::numberOfKey(entry.Key()));
}

void ItemList::ShowSelectedItemText(bool onlyIfChanged) {
    text_.StoreItemText();
    if (store_.ItemCount == 0) {
        if (!onlyIfChanged)
            text_.unbind();
        return;
    }
    int selected = 0;
    for (int position = 1; position <= lItem.ListItems.Count(); ++position)
        if (lItem.ListItems(position).Selected())
            ++selected;
    if (selected != 1) {
        text_.unbind();
        return;
    }
    const int16_t item = itemIndexOf(*lItem.SelectedItem());
    if (text_.ShownItem() == item && onlyIfChanged)
        return;
    text_.bind(item);
}

} // namespace notes
