#include "notes/ItemTextBinding.h"

namespace notes {

ItemTextBinding::ItemTextBinding(NotesStore& store, ui::TextBox& text) : store_(store), lText(text) {
    lText.Change.connect([this] { lText_Change(); });
}

void ItemTextBinding::StoreItemText() {
    if (!textDirty_)
        return;
    store_.ItemText[static_cast<std::size_t>(selItem_)] = lText.Text();
    textDirty_ = false;
}

// Putting the text raises Change, which marks it as edited; the flag is cleared after.
void ItemTextBinding::bind(int16_t j) {
    selItem_ = j;
    shownItem_ = j;
    lText.setText(store_.ItemText[static_cast<std::size_t>(j)]);
    lText.setEnabled(true);
    textDirty_ = false;
}

void ItemTextBinding::unbind() {
    lText.setEnabled(false);
    lText.setText("");
    textDirty_ = false;
    shownItem_ = -1;
}

void ItemTextBinding::lText_Change() {
    textDirty_ = true;
}

} // namespace notes
