#pragma once

#include <cstdint>

namespace notes {

// The selection and view state the tree side, the list side and the text side share, read at one moment.
// Each field has one owner that alone writes it: ItemList the folder fields and the menu kind,
// ItemTextBinding the item fields and the pending typing. How many entries are listed is the item
// list's own count.
struct NotesView {
    // The selected folder; 1 (the root) after start-up.
    int16_t SelFolder = 0;
    // The current item: the one selected entry's item, kept when the selection becomes ambiguous.
    int16_t SelItem = 0;
    // The text box was edited since its text was last stored.
    bool TextDirty = false;
    // The folder whose item list was filled last; 0 before the first fill.
    int16_t ShownFolder = 0;
    // The item whose text the text box shows, -1 for none.
    int16_t ShownItem = 0;
    // The folder kind the menu states were set for last.
    int16_t MenuKind = 0;
};

} // namespace notes
