#include "notes/NotesPane.h"

#include "app/MainControls.h"

#include <charconv>
#include <utility>

namespace notes {

NotesPane::NotesPane(ui::TreeView& tree, ui::ListView& list, ui::TextBox& text, app::MainMenu& menu)
    : lTre(tree), lItem(list), lText(text), menu_(menu) {
    lTre.NodeClick.connect([this](ui::TreeNode&) { lTre_NodeClick(); });
    lItem.ItemClick.connect([this](ui::ListItem&) { lItem_ItemClick(); });
    lText.Change.connect([this] { lText_Change(); });
}

void NotesPane::InitialiseStore() {
    store_.FolderName[1] = "Scrivlet";
    store_.FolderName[2] = "Trash";
    store_.FolderCount = 2.0F;
    store_.SelFolder = 1;
}

bool NotesPane::AppendFolder(std::string parent, std::string name) {
    if (!store_.AppendFolder(std::move(parent), std::move(name)))
        return false;
    AddFolderNode(store_.LastFolder());
    return true;
}

bool NotesPane::AppendItem(std::string name, std::string folder, std::string text) {
    return store_.AppendItem(std::move(name), std::move(folder), std::move(text));
}

void NotesPane::AddFolderNode(int i) {
    if (i == 1)
        lTre.Nodes.Add("Scrivlet", "Scrivlet", app::ImageRoot);
    else if (i == 2)
        lTre.Nodes.Add("Trash", "Trash", app::ImageTrash);
    else
        lTre.Nodes.Add(store_.FolderParent[static_cast<std::size_t>(i)], ui::tvwChild, store_.FolderKey(i),
                       store_.FolderName[static_cast<std::size_t>(i)], app::ImageFolder,
                       app::ImageFolderSelected);
}

void NotesPane::BuildFolderTree(const std::string& selectKey) {
    AddFolderNode(1);
    AddFolderNode(2);
    bool matched = false;
    for (int i = 3; i <= store_.LastFolder(); ++i) {
        AddFolderNode(i);
        const std::string& parent = store_.FolderParent[static_cast<std::size_t>(i)];
        if (selectKey == parent + "\\" + store_.FolderName[static_cast<std::size_t>(i)]) {
            lTre.Nodes(i).setSelected(true);
            matched = true;
        }
    }
    if (!matched)
        lTre.Nodes(store_.SelFolder).setSelected(true);
    ListFolderItems(false);
}

void NotesPane::ListFolderItems(bool onlyIfChanged) {
    StoreItemText();
    if (const ui::TreeNode* selected = lTre.SelectedItem())
        store_.SelFolder = static_cast<int16_t>(selected->Index());
    if (store_.ShownFolder == store_.SelFolder && onlyIfChanged)
        return;
    store_.ShownFolder = store_.SelFolder;
    const int16_t kind = store_.FolderKind(store_.SelFolder);
    if (kind != store_.MenuKind) {
        UpdateFolderMenus(kind);
        store_.MenuKind = kind;
    }
    FillItemList();
}

namespace {

enum class MenuProperty { Enabled, Visible };

// The menu states by folder kind, in kind order: ordinary, root, Trash, inside Trash.
struct FolderMenuRow {
    const char* entry;
    int index;
    MenuProperty property;
    bool byKind[4];
};

constexpr FolderMenuRow FolderMenuTable[] = {
    {"mFolderAdd", -1, MenuProperty::Enabled, {true, true, false, false}},
    {"mFolderRename", -1, MenuProperty::Enabled, {true, false, false, true}},
    {"mFolderDelete", -1, MenuProperty::Enabled, {true, false, false, true}},
    {"mFolderTrashLine", -1, MenuProperty::Visible, {false, false, true, false}},
    {"mFolderTrashEmpty", -1, MenuProperty::Visible, {false, false, true, false}},
    {"mItemAdd", -1, MenuProperty::Enabled, {true, false, false, false}},
    {"mItemRename", -1, MenuProperty::Enabled, {true, false, false, true}},
    {"mItemCopy", 0, MenuProperty::Enabled, {true, false, false, false}},
    {"mItemCopy", 1, MenuProperty::Enabled, {true, false, false, true}},
    {"mItemCopy", 2, MenuProperty::Enabled, {true, false, false, false}},
    {"mItemDelete", -1, MenuProperty::Enabled, {true, false, false, true}},
};

} // namespace

void NotesPane::UpdateFolderMenus(int16_t kind) {
    for (const FolderMenuRow& row : FolderMenuTable) {
        ui::MenuEntry& entry = *menu_.Bar.find(row.entry, row.index);
        const bool state = row.byKind[kind];
        if (row.property == MenuProperty::Enabled)
            entry.setEnabled(state);
        else
            entry.setVisible(state);
    }
}

void NotesPane::FillItemList() {
    lItem.ListItems.Clear();
    store_.ListedCount = 0;
    const std::string key = store_.FolderKey(store_.SelFolder);
    for (int j = 0; j < store_.ItemCount; ++j) {
        if (store_.ItemFolder[static_cast<std::size_t>(j)] == key) {
            lItem.ListItems.Add(ItemKey(j), store_.ItemName[static_cast<std::size_t>(j)], app::ImageItem);
            ++store_.ListedCount;
        }
    }
    ShowSelectedItemText(false);
}

int16_t NotesPane::ItemIndexOf(const ui::ListItem& entry) {
    const std::string& key = entry.Key();
    int value = 0;
    std::from_chars(key.data() + 1, key.data() + key.size(), value);
    return static_cast<int16_t>(value);
}

void NotesPane::ShowSelectedItemText(bool onlyIfChanged) {
    StoreItemText();
    const auto unbind = [this] {
        lText.setText("");
        lText.setEnabled(false);
        store_.TextDirty = false;
        store_.ShownItem = -1;
    };
    if (store_.ItemCount == 0) {
        if (!onlyIfChanged)
            unbind();
        return;
    }
    int selected = 0;
    for (int position = 1; position <= store_.ListedCount; ++position) {
        if (lItem.ListItems(position).Selected())
            ++selected;
    }
    if (selected != 1) {
        unbind();
        return;
    }
    store_.SelItem = ItemIndexOf(*lItem.SelectedItem());
    if (store_.ShownItem == store_.SelItem && onlyIfChanged)
        return;
    store_.ShownItem = store_.SelItem;
    lText.setText(store_.ItemText[static_cast<std::size_t>(store_.SelItem)]);
    lText.setEnabled(true);
    store_.TextDirty = false;
}

void NotesPane::StoreItemText() {
    if (!store_.TextDirty)
        return;
    store_.ItemText[static_cast<std::size_t>(store_.SelItem)] = lText.Text();
    store_.TextDirty = false;
}

void NotesPane::lTre_NodeClick() {
    ListFolderItems(true);
}

// The clicked entry is not used: the list's selection decides what the text box shows.
void NotesPane::lItem_ItemClick() {
    ShowSelectedItemText(true);
}

void NotesPane::lText_Change() {
    store_.TextDirty = true;
}

} // namespace notes
