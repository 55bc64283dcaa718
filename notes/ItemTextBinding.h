#pragma once

#include "notes/NotesStore.h"
#include "notes/NotesView.h"
#include "ui/TextBox.h"

namespace notes {

// The text side of the notes: typing only marks the text as edited, and the text reaches the store when
// StoreItemText runs (before every click, label edit, item command and folder selection).
class ItemTextBinding {
public:
    ItemTextBinding(NotesStore& store, NotesView& view, ui::TextBox& lText);

    void StoreItemText();

    // Shows the text of item `j` in the enabled text box (bound), or empties and disables it (unbound).
    void Bind(int16_t j);
    void Unbind();

private:
    void lText_Change();

    NotesStore& store_;
    NotesView& view_;
    ui::TextBox& lText;
};

} // namespace notes
