#include "notes/ItemListEvents.h"

#include "ui/Input.h"

namespace notes {

ItemListEvents::ItemListEvents(NotesControls& controls, ItemTextBinding& text, ItemList& list,
                               ItemCommands& commands, ui::Platform& platform)
    : lItem(controls.lItem), menus_(controls.menus), text_(text), list_(list), commands_(commands),
      platform_(platform) {
    lItem.BeforeLabelEdit.connect([this](int16_t& cancel) { lItem_BeforeLabelEdit(cancel); });
    lItem.ItemClick.connect([this](ui::ListItem&) { lItem_ItemClick(); });
    lItem.KeyUp.connect([this](int16_t keyCode, int16_t shift) { lItem_KeyUp(keyCode, shift); });
    lItem.MouseUp.connect(
        [this](int16_t button, int16_t shift, int x, int y) { lItem_MouseUp(button, shift, x, y); });
}

// The edit goes on; typing reaches the store before the name can change.
void ItemListEvents::lItem_BeforeLabelEdit(int16_t&) {
    text_.StoreItemText();
}

// The clicked entry is not used: the list's selection decides what the text box shows.
void ItemListEvents::lItem_ItemClick() {
    list_.ShowSelectedItemText(true);
}

// The Delete key acts only while the menu would let the user delete.
void ItemListEvents::lItem_KeyUp(int16_t keyCode, int16_t) {
    if (keyCode == ui::vbKeyDelete && menus_.mItemDelete.Enabled())
        commands_.mItemDelete_Click();
}

// The right button pops up the Item menu over the list, acting on the selection as it is. A left click on
// the list's empty part clears the selection without an ItemClick; binding again here keeps the text box
// bound exactly while one entry is selected, however the selection changed.
void ItemListEvents::lItem_MouseUp(int16_t button, int16_t, int x, int y) {
    if (button == ui::vbRightButton)
        platform_.popupMenu(menus_.mItem, lItem.Name(), x, y, &menus_.mItemRename);
    else if (button == ui::vbLeftButton)
        list_.ShowSelectedItemText(true);
}

} // namespace notes
