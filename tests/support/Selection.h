#pragma once

#include "ui/ListView.h"
#include "ui/TreeView.h"

#include <string>

namespace testing_support {

// The whole selection of a tree and a list as one line: the key of every selected node, then "|", then
// every entry in list order with the selected ones marked "*". Compared whole, a stray selected node or
// entry fails a test as surely as a missing one.
inline std::string selectionOf(const ui::TreeView& tree, const ui::ListView& list) {
    std::string shown;
    for (int i = 1; i <= tree.Nodes.Count(); ++i) {
        if (tree.Nodes(i).Selected())
            shown += tree.Nodes(i).Key() + " ";
    }
    shown += "|";
    for (int e = 1; e <= list.ListItems.Count(); ++e)
        shown += " " + list.ListItems(e).Text() + (list.ListItems(e).Selected() ? "*" : "");
    return shown;
}

} // namespace testing_support
