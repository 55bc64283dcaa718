#pragma once

#include "tests/support/MakeItem.h"
#include "tests/support/StartedWindow.h"

#include <string>
#include <vector>

namespace testing_support {

// A started window with helpers that reach folders by key, as the user finds them by name in the tree.
struct FolderWindow : StartedWindow {
    void add(const std::string& parent, const std::string& name) {
        notes().Tree().AppendFolder(parent, name);
    }
    void item(const std::string& folder, const std::string& name, const std::string& text = {}) {
        MakeItem(controls(), notes(), folder, name, text);
    }

    ui::TreeView& tree() { return controls().lTre; }
    int nodeOf(const std::string& key) {
        const ui::TreeNode* node = tree().Nodes.find(key);
        return node != nullptr ? node->Index() : 0;
    }
    void click(const std::string& key) { tree().userClickNode(nodeOf(key)); }
    void drag(const std::string& from, const std::string& to, int16_t shift = 0) {
        tree().userDragNode(nodeOf(from), nodeOf(to), shift);
    }
    // Selects the folder, presses F2 and types the new name.
    void rename(const std::string& key, const std::string& newName) {
        click(key);
        menu().Bar.userPressShortcut("F2");
        tree().userEndLabelEdit(newName);
    }

    // The folder keys in table order.
    std::vector<std::string> folders() {
        std::vector<std::string> keys;
        for (int i = 1; i <= store().LastFolder(); ++i)
            keys.push_back(store().FolderKey(i));
        return keys;
    }
    // Each item as "name@folder", in table order.
    std::vector<std::string> items() {
        std::vector<std::string> all;
        for (int j = 0; j < store().ItemCount; ++j)
            all.push_back(store().ItemName[static_cast<std::size_t>(j)] + "@" +
                          store().ItemFolder[static_cast<std::size_t>(j)]);
        return all;
    }
    std::string selectedKey() {
        return tree().SelectedItem() != nullptr ? tree().SelectedItem()->Key() : "(none)";
    }
};

} // namespace testing_support
