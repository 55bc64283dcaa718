#include "notes/ItemCommands.h"

#include "notes/ItemNaming.h"
#include "notes/NameRules.h"
#include "ui/ImageList.h"

#include <vector>

namespace notes {

ItemCommands::ItemCommands(NotesStore& store, NotesControls& controls, ItemTextBinding& text, ItemList& list,
                           ui::Platform& platform)
    : store_(store), lItem(controls.lItem), lText(controls.lText), menus_(controls.menus), text_(text),
      list_(list), platform_(platform) {
    menus_.mItemAdd.Click.connect([this] { mItemAdd_Click(); });
    menus_.mItemRename.Click.connect([this] { mItemRename_Click(); });
    for (ui::MenuEntry* entry : menus_.mItemCopy)
        entry->Click.connect([this, entry] { mItemCopy_Click(static_cast<int16_t>(entry->Index())); });
    menus_.mItemDelete.Click.connect([this] { mItemDelete_Click(); });
    lItem.AfterLabelEdit.connect(
        [this](int16_t& cancel, std::string& newString) { lItem_AfterLabelEdit(cancel, newString); });
    lItem.LabelEditChanged.connect([this] {
        if (lItem.editingItem() == nullptr)
            namingAdded_ = false;
    });
}

// The new item's entry alone is selected, whatever its name, and its label opened, so that the user types
// the wanted name at once and the text box is bound to the new item; a copy, cut or delete right after
// takes the new item only. A full store, or a folder where every numbered name is taken, adds nothing.
void ItemCommands::mItemAdd_Click() {
    text_.StoreItemText();
    const std::string key = selectedFolderKey();
    if (store_.ItemCount >= NotesStore::MaxEntries)
        return;
    const std::optional<std::string> name = newItemName(store_, key);
    if (!name)
        return;
    const int16_t i = store_.ItemCount;
    store_.appendItem(*name, key, "");
    const std::string entryKey = ItemList::ItemKey(i);
    lItem.ListItems.Add(entryKey, *name, ui::ImageItem);
    lItem.selectOnly(*lItem.ListItems.find(entryKey));
    list_.ShowSelectedItemText(false);
    platform_.processEvents();
    lItem.StartLabelEdit();
    namingAdded_ = lItem.editingItem() != nullptr;
}

void ItemCommands::mItemRename_Click() {
    lItem.StartLabelEdit();
}

// The edit is completed on the item whose label was edited, which need not be the current item SelItem
// (a click on another entry ends the edit after the selection moved). A name the item name rule refuses
// is refused like a taken one: the label reverts. A new item named with Enter or Tab is there to be written:
// the keyboard goes on to its text, whether the name was taken or not.
void ItemCommands::lItem_AfterLabelEdit(int16_t& cancel, const std::string& newString) {
    const ui::ListItem* edited = lItem.editingItem();
    if (edited == nullptr)
        return;
    if (namingAdded_ && lItem.labelEditConfirmedByKey())
        lText.SetFocus();
    const int16_t item = ItemList::itemIndexOf(*edited);
    const std::string key = selectedFolderKey();
    if (!isAcceptableItemName(newString) || ItemExists(store_, key, newString)) {
        cancel = 1;
        return;
    }
    text_.StoreItemText();
    store_.ItemName[static_cast<std::size_t>(item)] = newString;
    const std::string entryKey = ItemList::ItemKey(item);
    if (ui::ListItem* entry = lItem.ListItems.find(entryKey)) {
        lItem.ListItems.Remove(entry->Index());
        lItem.ListItems.Add(entryKey, newString, ui::ImageItem);
    }
    if (ui::ListItem* entry = lItem.ListItems.find(entryKey))
        entry->setSelected(true);
}

void ItemCommands::mItemCopy_Click(int16_t index) {
    if (index == 2)
        paste();
    else
        copySelected(index == 1);
}

// Copy takes the texts as stored. Cut stores pending typing first: it deletes the items right after, so
// typing not yet stored would otherwise vanish with them and be missing from the clipboard too.
void ItemCommands::copySelected(bool cut) {
    if (cut)
        text_.StoreItemText();
    int16_t count = 0;
    for (int position = 1; position <= lItem.ListItems.Count(); ++position) {
        const ui::ListItem& entry = lItem.ListItems(position);
        if (!entry.Selected())
            continue;
        const auto i = static_cast<std::size_t>(ItemList::itemIndexOf(entry));
        clipboard_.ClipName[static_cast<std::size_t>(count)] = store_.ItemName[i];
        clipboard_.ClipText[static_cast<std::size_t>(count)] = store_.ItemText[i];
        ++count;
    }
    if (count == 0)
        return;
    clipboard_.ClipCount = count;
    clipboard_.ClipName.releaseFrom(static_cast<std::size_t>(count));
    clipboard_.ClipText.releaseFrom(static_cast<std::size_t>(count));
    if (cut)
        mItemDelete_Click();
}

// A paste that would pass the store's limit is refused whole: no item is added and the list stays.
void ItemCommands::paste() {
    const std::string key = selectedFolderKey();
    if (store_.ItemCount + clipboard_.ClipCount > NotesStore::MaxEntries)
        return;
    for (int j = 0; j < clipboard_.ClipCount; ++j) {
        const auto at = static_cast<std::size_t>(j);
        store_.appendItem(clipboard_.ClipName[at], key, clipboard_.ClipText[at]);
    }
    list_.ListFolderItems(false);
}

// Deleted items are gone for good; only folders go to the Trash.
void ItemCommands::mItemDelete_Click() {
    text_.StoreItemText();
    std::vector<int16_t> selected;
    for (int position = 1; position <= lItem.ListItems.Count(); ++position) {
        const ui::ListItem& entry = lItem.ListItems(position);
        if (entry.Selected())
            selected.push_back(ItemList::itemIndexOf(entry));
    }
    store_.removeItemsAt(std::move(selected));
    list_.ListFolderItems(false);
}

} // namespace notes
