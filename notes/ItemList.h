#pragma once

#include "notes/ItemTextBinding.h"
#include "notes/NotesControls.h"
#include "notes/NotesStore.h"

#include <cstdint>
#include <string>

namespace notes {

// The list side of the notes: the refresh that follows the selected folder (menu states and the item
// list), and the binding of the text box to the one selected entry. It alone writes which folder is
// selected and shown; how many entries are listed is the list's own count. The list's events are
// handled in ItemListEvents.
class ItemList {
public:
    ItemList(NotesStore& store, NotesControls& controls, ItemTextBinding& text);

    void ListFolderItems(bool onlyIfChanged);
    void ShowSelectedItemText(bool onlyIfChanged);

    // The selected folder, read back from the tree by ListFolderItems; 1 (the root) from the start.
    int16_t SelFolder() const { return selFolder_; }
    // The folder whose item list was filled last; 0 before the first fill, so that it always runs.
    int16_t ShownFolder() const { return shownFolder_; }
    // The folder kind the menu states were set for last.
    int16_t MenuKind() const { return menuKind_; }

    // An entry's key holds the store index of its item: "x" and the index, as x17 for item 17.
    static std::string ItemKey(int j);
    static int16_t itemIndexOf(const ui::ListItem& entry);

private:
    void fillItemList();

    NotesStore& store_;
    NotesControls& controls_;
    ui::ListView& lItem;
    ItemTextBinding& text_;
    int16_t selFolder_ = 1;
    int16_t shownFolder_ = 0;
    int16_t menuKind_ = KindOrdinary;
};

} // namespace notes
