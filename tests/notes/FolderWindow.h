#pragma once

#include "app/MainMenu.h"
#include "tests/support/Gestures.h"
#include "tests/support/StartedWindow.h"

#include <string>
#include <vector>

namespace tests {

// A started window with helpers that reach folders by key, as the user finds them by name in the tree.
struct FolderWindow : StartedWindow {
    void add(const std::string& parent, const std::string& name) {
        notes().tree().appendFolder(parent, name);
    }
    // An item with `name` and `text` in the folder keyed `folder`, the list showing it if it is there.
    void item(const std::string& folder, const std::string& name, const std::string& text = {}) {
        store().appendItem(name, folder, text);
        notes().list().ListFolderItems(false);
    }

    ui::TreeView& tree() { return controls().lTre; }
    int nodeOf(const std::string& key) {
        const ui::TreeNode* node = tree().Nodes.find(key);
        return node != nullptr ? node->Index() : 0;
    }
    void click(const std::string& key) { tree().userClickNode(nodeOf(key)); }
    void drag(const std::string& from, const std::string& to, int16_t shift = 0) {
        dragNode(tree(), nodeOf(from), nodeOf(to), shift);
    }
    void type(const std::string& typed) { tests::type(controls().lText, typed); }
    // Selects the folder, chooses Rename and types the new name.
    void rename(const std::string& key, const std::string& newName) {
        click(key);
        menu().mFolderRename.userChoose();
        tree().userEndLabelEdit(newName);
    }

    // The folder keys in table order.
    std::vector<std::string> folders() {
        std::vector<std::string> keys;
        for (int i = 1; i <= store().lastFolder(); ++i)
            keys.push_back(store().FolderKey(i));
        return keys;
    }
    // Each item as "name@folder:text", in table order.
    std::vector<std::string> items() {
        std::vector<std::string> all;
        for (std::size_t j = 0; j < static_cast<std::size_t>(store().ItemCount); ++j)
            all.push_back(store().ItemName[j] + "@" + store().ItemFolder[j] + ":" + store().ItemText[j]);
        return all;
    }
    // The key of every selected node, "|", every entry in list order with the selected ones marked "*",
    // and the text box: its text while bound, else "unbound". Compared whole, a stray selected node or
    // entry fails a test as surely as a missing one.
    std::string selection() {
        std::string shown;
        for (int i = 1; i <= tree().Nodes.Count(); ++i)
            shown += tree().Nodes(i).Selected() ? tree().Nodes(i).Key() + " " : "";
        shown += "|";
        const ui::ListView& list = controls().lItem;
        for (int e = 1; e <= list.ListItems.Count(); ++e)
            shown += " " + list.ListItems(e).Text() + (list.ListItems(e).Selected() ? "*" : "");
        const ui::TextBox& box = controls().lText;
        return shown + (box.Enabled() ? " [" + box.Text() + "]" : " unbound");
    }
    std::string selectedKey() {
        return tree().SelectedItem() != nullptr ? tree().SelectedItem()->Key() : "(none)";
    }
};

} // namespace tests
