#include "notes/ItemList.h"

#include "notes/FolderMenus.h"
#include "ui/ImageList.h"
#include "ui/NumberKey.h"

namespace notes {

ItemList::ItemList(NotesStore& store, NotesView& view, NotesControls& controls, ItemTextBinding& text)
    : store_(store), view_(view), controls_(controls), lItem(controls.lItem), text_(text) {}

void ItemList::ListFolderItems(bool onlyIfChanged) {
    text_.StoreItemText();
    if (const ui::TreeNode* selected = controls_.lTre.SelectedItem())
        view_.SelFolder = static_cast<int16_t>(selected->Index());
    if (view_.ShownFolder == view_.SelFolder && onlyIfChanged)
        return;
    view_.ShownFolder = view_.SelFolder;
    const int16_t kind = store_.FolderKind(view_.SelFolder);
    if (kind != view_.MenuKind) {
        UpdateFolderMenus(controls_.menus, kind);
        view_.MenuKind = kind;
    }
    FillItemList();
}

void ItemList::FillItemList() {
    lItem.ListItems.Clear();
    view_.ListedCount = 0;
    const std::string key = store_.FolderKey(view_.SelFolder);
    for (int j = 0; j < store_.ItemCount; ++j) {
        if (store_.ItemFolder[static_cast<std::size_t>(j)] == key) {
            lItem.ListItems.Add(ItemKey(j), store_.ItemName[static_cast<std::size_t>(j)], ui::ImageItem);
            ++view_.ListedCount;
        }
    }
    ShowSelectedItemText(false);
}

std::string ItemList::ItemKey(int j) {
    return ui::numberKey(j);
}

int16_t ItemList::ItemIndexOf(const ui::ListItem& entry) {
    return static_cast<int16_t>(ui::numberOfKey(entry.Key()));
}

void ItemList::ShowSelectedItemText(bool onlyIfChanged) {
    text_.StoreItemText();
    if (store_.ItemCount == 0) {
        if (!onlyIfChanged)
            text_.Unbind();
        return;
    }
    int selected = 0;
    for (int position = 1; position <= view_.ListedCount; ++position) {
        if (lItem.ListItems(position).Selected())
            ++selected;
    }
    if (selected != 1) {
        text_.Unbind();
        return;
    }
    view_.SelItem = ItemIndexOf(*lItem.SelectedItem());
    if (view_.ShownItem == view_.SelItem && onlyIfChanged)
        return;
    text_.Bind(view_.SelItem);
}

} // namespace notes
