#pragma once

#include "tests/support/StartedWindow.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace tests {

// The notes store against itself, the tree's nodes and the list's entries, after any gesture: unique
// keys, parents before children, one node per folder with its key, name and parent, the selected
// folder's items listed, and the text box bound exactly while one entry is selected, showing the stored
// text unless typing is pending. Returns what is broken first, or "".
inline std::string notesInvariantBreak(app::frmMain& form) {
    const notes::NotesStore& s = form.notes().store();
    const notes::NotesView view = form.notes().view();
    app::MainControls& c = form.controls();
    const int count = s.lastFolder();
    if (c.lTre.Nodes.Count() != count)
        return "nodes " + std::to_string(c.lTre.Nodes.Count()) + " for " + std::to_string(count) + " folders";
    std::map<std::string, int> indexOf;
    for (int i = 1; i <= count; ++i) {
        const std::string key = s.FolderKey(i);
        const ui::TreeNode& node = c.lTre.Nodes(i);
        if (!indexOf.emplace(key, i).second)
            return "key twice: " + key;
        if (s.FolderName(i).find('\\') != std::string::npos)
            return "name holds a backslash: " + key;
        if (i >= 3 && (!indexOf.contains(s.FolderParent(i)) || indexOf[s.FolderParent(i)] >= i))
            return "parent after child: " + key;
        if (node.Key() != key || node.Text() != s.FolderName(i) ||
            (node.Parent() != nullptr ? node.Parent()->Key() : "") != s.FolderParent(i))
            return "node " + std::to_string(i) + " does not show " + key;
    }
    if (c.lTre.SelectedItem() == nullptr || view.SelFolder != c.lTre.SelectedItem()->Index())
        return "SelFolder is not the selected node";
    std::vector<std::string> expected;
    const std::string shown = s.FolderKey(view.SelFolder);
    for (int j = 0; j < s.ItemCount; ++j)
        if (s.ItemFolder[static_cast<std::size_t>(j)] == shown)
            expected.push_back("x" + std::to_string(j));
    std::vector<std::string> listed;
    int selected = 0;
    for (int e = 1; e <= c.lItem.ListItems.Count(); ++e) {
        listed.push_back(c.lItem.ListItems(e).Key());
        selected += c.lItem.ListItems(e).Selected() ? 1 : 0;
    }
    // A rename puts its entry last, and a list sorted by name has an order of its own.
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    if (listed != expected)
        return "the list does not hold the items of " + shown;
    if (c.lText.Enabled() != (selected == 1))
        return "text box enabled with " + std::to_string(selected) + " entries selected";
    if (c.lText.Enabled() && !view.TextDirty &&
        c.lText.Text() != s.ItemText[static_cast<std::size_t>(view.ShownItem)])
        return "text box differs from the stored text of item " + std::to_string(view.ShownItem);
    return {};
}

} // namespace tests
