#include "notes/ItemTextBinding.h"

namespace notes {

ItemTextBinding::ItemTextBinding(NotesStore& store, NotesView& view, ui::TextBox& text)
    : store_(store), view_(view), lText(text) {
    lText.Change.connect([this] { lText_Change(); });
}

void ItemTextBinding::StoreItemText() {
    if (!view_.TextDirty)
        return;
    store_.ItemText[static_cast<std::size_t>(view_.SelItem)] = lText.Text();
    view_.TextDirty = false;
}

// Putting the text raises Change, which marks it as edited; the flag is cleared after.
void ItemTextBinding::Bind(int16_t j) {
    view_.ShownItem = j;
    lText.setText(store_.ItemText[static_cast<std::size_t>(j)]);
    lText.setEnabled(true);
    view_.TextDirty = false;
}

void ItemTextBinding::Unbind() {
    lText.setEnabled(false);
    lText.setText("");
    view_.TextDirty = false;
    view_.ShownItem = -1;
}

void ItemTextBinding::lText_Change() {
    view_.TextDirty = true;
}

} // namespace notes
