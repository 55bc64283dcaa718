#include "tests/notes/FolderWindow.h"
#include "tests/support/NotesInvariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using tests::FolderWindow;

// The notes as the user sees them: every folder (whether it is open), every item as "folder|name|text",
// its text as the text box shows it while typing is not yet stored, and the clipboard as "name|text".
struct Notes {
    std::map<std::string, bool> folders;
    std::multiset<std::string> items;
    std::vector<std::string> clipboard;
    bool operator==(const Notes&) const = default;
};

std::string itemOf(FolderWindow& w, int j, bool asTyped = true) {
    const auto at = static_cast<std::size_t>(j);
    const bool typing = asTyped && w.view().TextDirty && w.view().ShownItem == j;
    return w.store().ItemFolder[at] + "|" + w.store().ItemName[at] + "|" +
           (typing ? w.controls().lText.Text() : w.store().ItemText[at]);
}

Notes notesOf(FolderWindow& w) {
    Notes notes;
    const notes::NotesStore& s = w.store();
    for (int i = 1; i <= s.lastFolder(); ++i)
        notes.folders[s.FolderKey(i)] = w.tree().Nodes(i).Expanded();
    for (int j = 0; j < s.ItemCount; ++j)
        notes.items.insert(itemOf(w, j));
    const notes::ItemClipboard& clip = w.notes().clipboard();
    for (std::size_t k = 0; k < static_cast<std::size_t>(clip.ClipCount); ++k)
        notes.clipboard.push_back(clip.ClipName[k] + "|" + clip.ClipText[k]);
    return notes;
}

bool inSubtree(const std::string& key, const std::string& top) {
    return key == top || key.starts_with(top + "\\");
}

// The notes after the subtree at `from` is put at `to` (dropped when `to` is empty), the old one kept
// when `keep`.
Notes carried(const Notes& before, const std::string& from, const std::string& to, bool keep) {
    Notes after{{}, {}, before.clipboard};
    const auto place = [&](const std::string& key) { return to + key.substr(from.size()); };
    for (const auto& [key, open] : before.folders) {
        if (!inSubtree(key, from) || keep)
            after.folders[key] = open;
        if (inSubtree(key, from) && !to.empty())
            after.folders[place(key)] = open;
    }
    for (const std::string& item : before.items) {
        const std::string folder = item.substr(0, item.find('|'));
        if (!inSubtree(folder, from) || keep)
            after.items.insert(item);
        if (inSubtree(folder, from) && !to.empty())
            after.items.insert(place(item));
    }
    return after;
}

// A folder arriving where its name is taken is called "name (2)", or the first free higher number.
std::string freeKey(const Notes& notes, const std::string& key) {
    std::string free = key;
    for (int n = 2; notes.folders.contains(free); ++n)
        free = key + " (" + std::to_string(n) + ")";
    return free;
}

std::string parentOf(const std::string& key) {
    return key.substr(0, key.rfind('\\'));
}

// A new item is called "New Item", or "New Item (n)" for the first free n from 2, in its folder.
std::string freeItemName(const Notes& notes, const std::string& folder) {
    std::string name = "New Item";
    for (int n = 2;
         std::any_of(notes.items.begin(), notes.items.end(),
                     [&](const std::string& item) { return item.starts_with(folder + "|" + name + "|"); });
         ++n)
        name = "New Item (" + std::to_string(n) + ")";
    return name;
}

// The notes after the label of folder `key` ends with `name`, which renames it unless it is the root or
// the Trash, or the name is empty, holds "\\" or is its parent's other folder, compared exactly.
Notes renamed(const Notes& notes, const std::string& key, const std::optional<std::string>& name) {
    const std::string to = parentOf(key) + "\\" + name.value_or("");
    if (!name || key.find('\\') == std::string::npos || name->empty() ||
        name->find('\\') != std::string::npos || notes.folders.contains(to))
        return notes;
    return carried(notes, key, to, false);
}
std::string nameOf(const std::string& key) {
    return key.substr(key.rfind('\\') + 1);
}

// The commands whose promises the gestures below model, the item commands in the order of their entries;
// every other command of the menu is chosen as one that leaves the notes alone.
const char* const ItemCommands[] = {"mItemAdd",    "mItemRename", "mItemCopy_0",
                                    "mItemCopy_1", "mItemCopy_2", "mItemDelete"};
const std::set<std::string> Modelled = {"mFolderAdd",  "mFolderRename", "mFolderDelete", "mFolderTrashEmpty",
                                        "mItemAdd",    "mItemRename",   "mItemCopy_0",   "mItemCopy_1",
                                        "mItemCopy_2", "mItemDelete"};

// A user at the window, doing random things from a seeded generator. Where the result of a gesture on
// the folders follows from the notes before it, that result is stated in `expected`.
class RandomUser {
public:
    RandomUser(FolderWindow& w, std::uint32_t seed) : w_(w), random_(seed) {}

    std::optional<Notes> expected;

    // Returns what was done, for the failure message.
    std::string act() {
        expected.reset();
        const Notes before = notesOf(w_);
        const std::string selected = w_.selectedKey();
        switch (below(17)) {
        case 0:
            w_.tree().userClickNode(anyNode());
            return "click a folder";
        case 1:
            w_.tree().userSelectWithKeyboard(anyNode());
            return "move to a folder with the keyboard";
        case 2: {
            choose(w_.menu().mFolderAdd);
            const bool labelled = w_.tree().editingNode() != nullptr;
            const std::optional<std::string> name = endLabelEdit();
            expected = before;
            if (!inSubtree(selected, "Trash")) {
                EXPECT_TRUE(labelled) << "no label opened on the new folder";
                const std::string added = freeKey(before, selected + "\\New Folder");
                expected->folders[added] = false;
                expected = renamed(*expected, added, name);
            }
            return "add a folder";
        }
        case 3:
            choose(w_.menu().mFolderRename);
            expected = renamed(before, selected, endLabelEdit());
            return "rename";
        case 4:
            if (below(3) == 0)
                w_.tree().userKeyUp(ui::vbKeyDelete, 0);
            else
                choose(w_.menu().mFolderDelete);
            expected = before;
            if (selected.starts_with("Trash\\"))
                expected = carried(before, selected, {}, false);
            else if (selected.find('\\') != std::string::npos)
                expected = carried(before, selected, freeKey(before, "Trash\\" + nameOf(selected)), false);
            return "delete";
        case 5:
            choose(w_.menu().mFolderTrashEmpty);
            expected = before;
            if (selected == "Trash") {
                std::erase_if(
                    expected->folders, [](const auto& f) { return f.first.starts_with("Trash\\"); });
                std::erase_if(expected->items,
                              [](const std::string& item) { return item.starts_with("Trash"); });
            }
            return "empty Trash";
        case 6:
        case 7:
            return drag(before);
        case 8:
        case 9:
            if (w_.controls().lItem.ListItems.Count() > 0)
                w_.controls().lItem.userClickItem(1 + below(w_.controls().lItem.ListItems.Count()),
                                                  below(4) == 0 ? ui::vbCtrlMask : int16_t{0});
            return "click an entry";
        case 10:
            w_.type(" typed " + std::to_string(below(100)));
            return "type";
        case 11: {
            // Collapsing a folder that holds the selected one selects it, with its notes and menus.
            const int node = anyNode();
            const std::string key = w_.store().FolderKey(node);
            const bool open = below(2) == 0;
            w_.tree().userSetExpanded(node, open);
            expected = before;
            expected->folders[key] = open;
            EXPECT_EQ(w_.selectedKey(), !open && inSubtree(selected, key) ? key : selected);
            return (open ? "open " : "close ") + key;
        }
        case 12: {
            // A command not modelled here leaves the notes alone; a new one that does not fails until it is.
            std::vector<ui::MenuEntry*> others = tests::windowCommands(w_.menu().bar);
            std::erase_if(others, [](const ui::MenuEntry* entry) {
                return Modelled.contains(tests::entryName(*entry));
            });
            ui::MenuEntry& chosen = *others[static_cast<std::size_t>(below(static_cast<int>(others.size())))];
            chosen.userChoose();
            expected = before;
            return "choose " + tests::entryName(chosen);
        }
        default:
            return itemCommandGesture(before);
        }
    }

private:
    // A Folder menu entry from the menu bar or from the pop-up over any folder, which acts on the
    // selected one all the same.
    void choose(ui::MenuEntry& entry) {
        if (below(2) == 0)
            return entry.userChoose();
        w_.platform.popupChoices.push_back(&entry);
        w_.tree().userRightClick(ui::TreeView::pointOf(anyNode()));
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int anyNode() { return 1 + below(w_.tree().Nodes.Count()); }

    // A folder dropped onto another moves there, or with any modifier key is copied there, unless it is
    // the root or the Trash, or the drop would put it into Trash, into itself or where it already is. The
    // source is the folder pressed, whichever is selected.
    std::string drag(const Notes& before) {
        // Copies double subtrees; past a few hundred folders only moves keep the test quick.
        const int16_t shifts[] = {0, ui::vbShiftMask, ui::vbCtrlMask, ui::vbAltMask};
        const int16_t shift = w_.store().lastFolder() > 200 ? 0 : shifts[below(4)];
        const int from = anyNode();
        const int to = anyNode();
        const std::string source = w_.store().FolderKey(from);
        const std::string target = w_.store().FolderKey(to);
        expected = before;
        if (from > 2 && !inSubtree(target, "Trash") && !inSubtree(target, source) &&
            parentOf(source) != target)
            expected = carried(before, source, freeKey(before, target + "\\" + nameOf(source)), shift != 0);
        ui::TreeView& tree = w_.tree();
        // On the way, a right click and Delete do nothing; Escape ends the drag without a drop.
        const int extra = below(12);
        tests::dragNode(tree, from, to, shift, [&] {
            EXPECT_EQ(tree.DropHighlight(), &tree.Nodes(to));
            if (extra == 1) {
                tree.userPress(ui::vbRightButton, 0, tests::on(anyNode()), false);
                tree.userRelease(ui::vbRightButton, 0, tests::on(anyNode()), false);
            } else if (extra == 2) {
                tree.userKeyDown(ui::vbKeyDelete, tests::on(to));
                tree.userKeyRelease(ui::vbKeyDelete, 0);
            } else if (extra == 0) {
                tree.userKeyDown(ui::vbKeyEscape, tests::on(to));
                expected = before;
            }
        });
        return "drag " + source + " onto " + target + " with modifiers " + std::to_string(shift) +
               " and extra " + std::to_string(extra);
    }

    // Ends an edit the gesture may have opened: a plain name, a taken one, a refused one, or Escape.
    // Returns the name confirmed, if any.
    std::optional<std::string> endLabelEdit() {
        if (w_.tree().editingNode() == nullptr)
            return std::nullopt;
        const char* names[] = {"A", "B", "Ab", "New Folder", "new folder", "", "x\\y", "Trash"};
        const int choice = below(9);
        if (choice == 8) {
            w_.tree().userCancelLabelEdit();
            return std::nullopt;
        }
        w_.tree().userEndLabelEdit(names[choice]);
        return names[choice];
    }

    // An item command from the menu, the pop-up or the Delete key; disabled ones do nothing, as for the
    // user. Add makes a new item, copy takes the selected items in list order as stored, cut as typed and
    // removes them, delete removes them, and paste adds the clipboard to the folder unless the store
    // cannot take all of it. All act in ordinary folders; rename, cut and delete inside Trash too.
    std::string itemCommandGesture(const Notes& before) {
        const int command = below(6);
        ui::MenuEntry& entry = tests::entryNamed(w_.menu().bar, ItemCommands[command]);
        const int16_t kind = w_.store().FolderKind(w_.view().SelFolder);
        const bool acts = kind == notes::KindOrdinary || (kind == notes::KindInTrash && command % 2 == 1);
        // The selected items as typed, and the clipboard entries a copy and a cut of them make.
        std::vector<std::string> typed, copied, cut;
        const ui::ListView& list = w_.controls().lItem;
        for (int e = 1; e <= list.ListItems.Count(); ++e) {
            if (!list.ListItems(e).Selected())
                continue;
            const int j = notes::ItemList::itemIndexOf(list.ListItems(e));
            const std::string stored = itemOf(w_, j, false);
            typed.push_back(itemOf(w_, j));
            copied.push_back(stored.substr(stored.find('|') + 1));
            cut.push_back(typed.back().substr(typed.back().find('|') + 1));
        }
        expected = before;
        if (acts && (command == 2 || command == 3) && !cut.empty())
            expected->clipboard = command == 2 ? copied : cut;
        for (const std::string& item : typed)
            if (acts && (command == 3 || command == 5))
                expected->items.erase(expected->items.find(item));
        if (acts && command == 4 &&
            w_.store().ItemCount + static_cast<int>(before.clipboard.size()) <= notes::NotesStore::MaxEntries)
            for (const std::string& clip : before.clipboard)
                expected->items.insert(w_.selectedKey() + "|" + clip);
        if (acts && command == 0)
            expected->items.insert(w_.selectedKey() + "|" + freeItemName(before, w_.selectedKey()) + "|");
        if (command == 5 && below(3) == 0) {
            w_.controls().lItem.userKeyUp(ui::vbKeyDelete, 0);
        } else if (below(2) == 0) {
            entry.userChoose();
        } else {
            w_.platform.popupChoices.push_back(&entry);
            w_.controls().lItem.userRightClick({4, 4});
        }
        EXPECT_TRUE(command >= 2 || acts || list.editingItem() == nullptr)
            << "a label opened in a folder of kind " << kind;
        endItemLabelEdit();
        return ItemCommands[command];
    }

    // Ends an item's label edit with a name or Escape. A rename takes any name no item of the folder has,
    // compared exactly, the empty one included.
    void endItemLabelEdit() {
        const ui::ListItem* edited = w_.controls().lItem.editingItem();
        if (edited == nullptr)
            return;
        if (below(5) == 0)
            return w_.controls().lItem.userCancelLabelEdit();
        const std::string renamed = itemOf(w_, notes::ItemList::itemIndexOf(*edited));
        const std::string folder = renamed.substr(0, renamed.find('|') + 1);
        const char* names[] = {"item", "Item", "item ", "New Item", ""};
        const std::string name = names[below(5)];
        w_.controls().lItem.userEndLabelEdit(name);
        // A label on an item the gesture should not have made leaves it out of `expected`, which then fails.
        if (!expected || !expected->items.contains(renamed) ||
            std::any_of(expected->items.begin(), expected->items.end(),
                        [&](const std::string& item) { return item.starts_with(folder + name + "|"); }))
            return;
        expected->items.erase(expected->items.find(renamed));
        expected->items.insert(folder + name + renamed.substr(renamed.find('|', folder.size())));
    }

    FolderWindow& w_;
    std::mt19937 random_;
};

// The answer FolderExists must give: a pass over the table comparing whole keys exactly, joining without
// dropping the "\" of an empty parent.
bool scanFinds(const notes::NotesStore& s, const std::string& key) {
    for (int i = 1; i <= s.lastFolder(); ++i)
        if (s.FolderParent(i) + "\\" + s.FolderName(i) == key)
            return true;
    return false;
}

void checkKeyIndexAgainstScan(FolderWindow& w) {
    const notes::NotesStore& s = w.store();
    std::set<std::string> asked = {"\\Scrivlet", "\\Trash", "Scrivlet", "Trash", "Scrivlet\\", ""};
    for (int i = 1; i <= s.lastFolder(); ++i) {
        const std::string key = s.FolderKey(i);
        asked.insert(key);
        asked.insert(key + " (2)");
        asked.insert(key + "\\New Folder");
        asked.insert(key.substr(0, key.size() - 1));
    }
    for (const std::string& key : asked)
        EXPECT_EQ(s.FolderExists(key), scanFinds(s, key)) << key;
}

// After every gesture: the store, the tree and the list agree, the key index answers as a pass over the
// table would, and the folder and item commands leave the notes as they promise, nothing typed lost;
// half the runs keep the item list sorted by name.
TEST(RandomFolderGestures, NotesEndAsEachGesturePromisesAndStoreTreeAndListStayInStep) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        FolderWindow w;
        w.controls().lItem.setSorted(seed % 2 == 0);
        // Items where no command adds one, so that the commands' absence there shows.
        w.item("Scrivlet", "in root", "r");
        w.item("Trash", "in Trash", "t");
        RandomUser user(w, seed);
        for (int step = 0; step < 1000; ++step) {
            const std::string did = user.act();
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) + ": " + did);
            EXPECT_EQ(tests::notesInvariantBreak(w.form), "");
            EXPECT_EQ(w.tree().DropHighlight(), nullptr);
            EXPECT_TRUE(!user.expected || notesOf(w) == *user.expected);
            if (::testing::Test::HasFailure())
                return;
            if (step % 10 == 0)
                checkKeyIndexAgainstScan(w);
        }
    }
}

} // namespace
