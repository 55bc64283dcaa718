#pragma once

#include "app/MainMenu.h"
#include "notes/NotesStore.h"
#include "ui/ListView.h"
#include "ui/TextBox.h"
#include "ui/TreeView.h"

#include <cstdint>
#include <string>

namespace notes {

// The notes half of the main window: the store with the folder tree, the item list and the text box that
// mirror it, and the handlers of those controls.
class NotesPane {
public:
    NotesPane(ui::TreeView& lTre, ui::ListView& lItem, ui::TextBox& lText, app::MainMenu& menu);

    NotesStore& Store() { return store_; }
    const NotesStore& Store() const { return store_; }

    // The store's two fixed folders, set once at start-up.
    void InitialiseStore();

    // Appends a folder to the store and its node to the tree; refused (false) when the store is full.
    bool AppendFolder(std::string parent, std::string name);
    // Appends an item to the store; the caller brings the list up to date. Refused when the store is full.
    bool AppendItem(std::string name, std::string folder, std::string text);

    void BuildFolderTree(const std::string& selectKey);
    void ListFolderItems(bool onlyIfChanged);
    void UpdateFolderMenus(int16_t kind);
    void ShowSelectedItemText(bool onlyIfChanged);
    void StoreItemText();

private:
    void AddFolderNode(int i);
    void FillItemList();
    static std::string ItemKey(int j) { return "x" + std::to_string(j); }
    static int16_t ItemIndexOf(const ui::ListItem& entry);

    void lTre_NodeClick();
    void lItem_ItemClick();
    void lText_Change();

    ui::TreeView& lTre;
    ui::ListView& lItem;
    ui::TextBox& lText;
    app::MainMenu& menu_;
    NotesStore store_;
};

} // namespace notes
