#pragma once

#include "notes/ItemTextBinding.h"
#include "notes/NotesControls.h"
#include "notes/NotesStore.h"
#include "notes/NotesView.h"

#include <cstdint>
#include <string>

namespace notes {

// The list side of the notes: the refresh that follows the selected folder (menu states and the item
// list), and the binding of the text box to the one selected entry. The list's events are handled in
// ItemListEvents.
class ItemList {
public:
    ItemList(NotesStore& store, NotesView& view, NotesControls& controls, ItemTextBinding& text);

    void ListFolderItems(bool onlyIfChanged);
    void ShowSelectedItemText(bool onlyIfChanged);

    // An entry's key holds the store index of its item: "x" and the index, as x17 for item 17.
    static std::string ItemKey(int j);
    static int16_t ItemIndexOf(const ui::ListItem& entry);

private:
    void FillItemList();

    NotesStore& store_;
    NotesView& view_;
    NotesControls& controls_;
    ui::ListView& lItem;
    ItemTextBinding& text_;
};

} // namespace notes
