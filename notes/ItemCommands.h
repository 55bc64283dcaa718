#pragma once

#include "notes/ItemClipboard.h"
#include "notes/ItemList.h"
#include "notes/ItemTextBinding.h"
#include "notes/NotesControls.h"
#include "notes/NotesStore.h"
#include "ui/Platform.h"

#include <cstdint>
#include <string>

namespace notes {

// The commands of the Item menu, also shown as a pop-up over the item list: add, rename, copy, cut,
// paste and delete. Which of them can be chosen goes by the kind of the selected folder; the commands
// themselves do not look at it.
class ItemCommands {
public:
    ItemCommands(NotesStore& store, NotesControls& controls, ItemTextBinding& text, ItemList& list,
                 ui::Platform& platform);

    const ItemClipboard& clipboard() const { return clipboard_; }

    void mItemAdd_Click();
    void mItemRename_Click();
    void mItemCopy_Click(int16_t index);
    void mItemDelete_Click();
    // The end of a rename: the edit's new name is checked and stored.
    void lItem_AfterLabelEdit(int16_t& cancel, const std::string& newString);

private:
    void copySelected(bool cut);
    void paste();
    std::string selectedFolderKey() const { return store_.FolderKey(list_.SelFolder()); }

    NotesStore& store_;
    ui::ListView& lItem;
    ui::TextBox& lText;
    NotesMenus& menus_;
    ItemTextBinding& text_;
    ItemList& list_;
    ui::Platform& platform_;
    ItemClipboard clipboard_;
    // The open label edit names the item just added.
    bool namingAdded_ = false;
};

} // namespace notes
