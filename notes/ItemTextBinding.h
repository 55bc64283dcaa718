#pragma once

#include "notes/NotesStore.h"
#include "ui/TextBox.h"

#include <cstdint>

namespace notes {

// The text side of the notes: typing only marks the text as edited, and the text reaches the store when
// StoreItemText runs (before every click, label edit, item command and folder selection). It alone
// writes which item the text box is bound to and whether typing is pending, so that the text can only
// ever be stored into the item it was typed for.
class ItemTextBinding {
public:
    ItemTextBinding(NotesStore& store, ui::TextBox& lText);

    void StoreItemText();

    // Shows the text of item `j` in the enabled text box (bound), or empties and disables it (unbound).
    void bind(int16_t j);
    void unbind();

    // The current item: the one bound last, kept while the text box is unbound.
    int16_t SelItem() const { return selItem_; }
    // The item whose text the text box shows, -1 for none.
    int16_t ShownItem() const { return shownItem_; }
    // The text box was edited since its text was last stored.
    bool TextDirty() const { return textDirty_; }

private:
    void lText_Change();

    NotesStore& store_;
    ui::TextBox& lText;
    int16_t selItem_ = 0;
    int16_t shownItem_ = 0;
    bool textDirty_ = false;
};

} // namespace notes
