#pragma once

#include "app/MainControls.h"
#include "notes/NotesPane.h"

#include <string>

namespace testing_support {

// Makes an item with `name` and `text` in the folder keyed `folder` as a user does: select the folder,
// Item -> Add, type the name, click the new entry, type the text; then back to the folder selected
// before. Items reach the Trash only with their folder, so there the item is put into the store directly.
inline void MakeItem(app::MainControls& controls, notes::NotesPane& notes, const std::string& folder,
                     const std::string& name, const std::string& text = {}) {
    ui::TreeView& tree = controls.lTre;
    const ui::TreeNode* target = tree.Nodes.find(folder);
    if (target == nullptr || notes.Store().FolderKind(target->Index()) != notes::KindOrdinary) {
        notes.Store().AppendItem(name, folder, text);
        notes.List().ListFolderItems(false);
        return;
    }
    const int before = tree.SelectedItem() != nullptr ? tree.SelectedItem()->Index() : 1;
    tree.userClickNode(target->Index());
    const int item = notes.Store().ItemCount;
    controls.Menu.mItemAdd.userChoose();
    controls.lItem.userEndLabelEdit(name);
    if (ui::ListItem* entry = controls.lItem.ListItems.find("x" + std::to_string(item))) {
        controls.lItem.userClickItem(entry->Index());
        controls.lText.userType(text);
    }
    tree.userClickNode(before);
}

} // namespace testing_support
