#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using testing_support::FolderWindow;

// The folder commands as written step by step: every removal one RemoveFolderAt, one node removal and
// one RemoveItemAt, and every name test a pass over the table. The window they run on is driven only
// through these and through the same clicks as the window under test.
struct WrittenSteps {
    FolderWindow& w;

    notes::NotesStore& store() { return w.store(); }

    static bool inSubtree(const std::string& path, const std::string& top) {
        return (path + "\\").substr(0, top.size() + 1) == top + "\\";
    }
    bool exists(const std::string& key) {
        for (int i = 1; i <= store().LastFolder(); ++i) {
            if (store().FolderParent[static_cast<std::size_t>(i)] + "\\" +
                    store().FolderName[static_cast<std::size_t>(i)] ==
                key)
                return true;
        }
        return false;
    }
    std::string parent(int i) { return store().FolderParent[static_cast<std::size_t>(i)]; }
    std::string name(int i) { return store().FolderName[static_cast<std::size_t>(i)]; }
    std::string itemFolder(int j) { return store().ItemFolder[static_cast<std::size_t>(j)]; }

    void transferFolder(const std::string& source, std::string destination, int mode) {
        if (source == destination || inSubtree(destination, source))
            return;
        if (source.find('\\') == std::string::npos)
            return;
        if (mode < 3 && destination.find('\\') == std::string::npos)
            return;
        if (mode < 3 && exists(destination)) {
            for (int n = 2; n <= 32767; ++n) {
                if (!exists(destination + " (" + std::to_string(n) + ")")) {
                    destination += " (" + std::to_string(n) + ")";
                    break;
                }
            }
        }
        const int oldFolders = store().LastFolder();
        const int oldItems = store().ItemCount;
        if (mode < 3) {
            const std::string newParent = destination.substr(0, destination.rfind('\\'));
            const std::string newName = destination.substr(destination.rfind('\\') + 1);
            for (int i = 3; i <= oldFolders; ++i) {
                if (!inSubtree(store().FolderKey(i), source))
                    continue;
                if (parent(i).starts_with(source))
                    w.add(destination + parent(i).substr(source.size()), name(i));
                else
                    w.add(newParent, newName);
                w.tree().Nodes(store().LastFolder()).setExpanded(w.tree().Nodes(i).Expanded());
            }
            for (int j = 0; j < oldItems; ++j) {
                if (!inSubtree(itemFolder(j), source))
                    continue;
                const std::string moved = destination + itemFolder(j).substr(source.size());
                if (mode == 1)
                    store().AppendItem(store().ItemName[static_cast<std::size_t>(j)], moved,
                                       store().ItemText[static_cast<std::size_t>(j)]);
                else
                    store().ItemFolder[static_cast<std::size_t>(j)] = moved;
            }
        }
        if (mode >= 2) {
            for (int i = oldFolders; i >= 3; --i) {
                if (inSubtree(store().FolderKey(i), source)) {
                    store().RemoveFolderAt(i);
                    w.tree().Nodes.Remove(i);
                }
            }
        }
        if (mode == 3) {
            for (int j = oldItems - 1; j >= 0; --j) {
                if (inSubtree(itemFolder(j), source))
                    store().RemoveItemAt(j);
            }
        }
        w.notes().List().ListFolderItems(false);
    }

    void drop(int dragFolder, int target, int16_t shift) {
        if (parent(dragFolder).empty() || parent(target).starts_with("Trash") ||
            parent(target) + name(target) == "Trash")
            return;
        transferFolder(parent(dragFolder) + "\\" + name(dragFolder),
                       store().FolderKey(target) + "\\" + name(dragFolder), shift == 0 ? 2 : 1);
    }
    void deleteSelected() {
        const int i = w.view().SelFolder;
        if (parent(i).starts_with("Trash"))
            transferFolder(parent(i) + "\\" + name(i), {}, 3);
        else
            transferFolder(parent(i) + "\\" + name(i), "Trash\\" + name(i), 2);
    }
    void renameSelected(const std::string& newName) {
        const int i = w.view().SelFolder;
        if (i < 3 || exists(parent(i) + "\\" + newName))
            return;
        transferFolder(parent(i) + "\\" + name(i), parent(i) + "\\" + newName, 2);
    }
    void emptyTrash() {
        for (int i = store().LastFolder(); i >= 3; --i) {
            if (parent(i).starts_with("Trash")) {
                store().RemoveFolderAt(i);
                w.tree().Nodes.Remove(i);
            }
        }
        for (int j = store().ItemCount - 1; j >= 0; --j) {
            if (itemFolder(j).starts_with("Trash"))
                store().RemoveItemAt(j);
        }
        w.notes().List().ListFolderItems(false);
    }
};

// Every field of both tables, every node, the selection and the listed entries.
std::string everything(FolderWindow& w) {
    notes::NotesStore& s = w.store();
    std::string all = "folders " + std::to_string(s.FolderCount) + "\n";
    for (int i = 1; i <= s.LastFolder(); ++i) {
        const ui::TreeNode& node = w.tree().Nodes(i);
        all += s.FolderParent[static_cast<std::size_t>(i)] + "|" + s.FolderName[static_cast<std::size_t>(i)] +
               " node " + node.Key() + "|" + node.Text() + "|" +
               (node.Parent() != nullptr ? node.Parent()->Key() : "-") + "|" + std::to_string(node.Row()) +
               (node.Expanded() ? "+" : "") + "\n";
    }
    all +=
        "nodes " + std::to_string(w.tree().Nodes.Count()) + "; items " + std::to_string(s.ItemCount) + "\n";
    for (int j = 0; j < s.ItemCount; ++j) {
        const auto at = static_cast<std::size_t>(j);
        all += s.ItemName[at] + "|" + s.ItemFolder[at] + "|" + s.ItemText[at] + "\n";
    }
    all += "selected " + w.selectedKey() + " SelFolder " + std::to_string(w.view().SelFolder) + " entries";
    for (int e = 1; e <= w.controls().lItem.ListItems.Count(); ++e)
        all += " " + w.controls().lItem.ListItems(e).Key();
    return all;
}

const std::vector<std::string> Names = {"A", "B", "Ab", "A (2)", "Work", "Workshop", "C"};

void buildRandomNotes(FolderWindow& w, std::mt19937& random) {
    const int folders = std::uniform_int_distribution<int>(0, 24)(random);
    for (int f = 0; f < folders; ++f) {
        const int parent = std::uniform_int_distribution<int>(1, w.store().LastFolder())(random);
        w.add(w.store().FolderKey(parent), Names[random() % Names.size()]);
        if (random() % 3 == 0)
            w.tree().Nodes(w.store().LastFolder()).setExpanded(true);
    }
    const int items = std::uniform_int_distribution<int>(0, 20)(random);
    for (int j = 0; j < items; ++j) {
        const int folder = std::uniform_int_distribution<int>(1, w.store().LastFolder())(random);
        w.store().AppendItem("i" + std::to_string(j), w.store().FolderKey(folder), "t" + std::to_string(j));
    }
    w.notes().List().ListFolderItems(false);
}

TEST(FolderCommandsAgainstWrittenSteps, EveryFieldNodeAndSelectionEndsTheSame) {
    std::mt19937 seeds(1711);
    for (int round = 0; round < 150; ++round) {
        const std::uint32_t seed = seeds();
        FolderWindow batched;
        FolderWindow written;
        std::mt19937 buildA(seed);
        std::mt19937 buildB(seed);
        buildRandomNotes(batched, buildA);
        buildRandomNotes(written, buildB);
        WrittenSteps steps{written};
        std::mt19937 random(seed ^ 0x5A5A5A5AU);
        for (int step = 0; step < 25; ++step) {
            SCOPED_TRACE("round " + std::to_string(round) + " step " + std::to_string(step));
            const int count = batched.store().LastFolder();
            const auto pick = [&random, count] {
                return std::uniform_int_distribution<int>(1, count)(random);
            };
            const int clicked = pick();
            batched.tree().userClickNode(clicked);
            written.tree().userClickNode(clicked);
            switch (random() % 5) {
            case 0: {
                const int from = pick();
                const int to = pick();
                const auto shift = static_cast<int16_t>(random() % 2 == 0 ? 0 : ui::vbCtrlMask);
                batched.tree().userDragNode(from, to, shift);
                steps.drop(from, to, shift);
                break;
            }
            case 1:
                if (written.menu().mFolderDelete.Choosable())
                    steps.deleteSelected();
                batched.menu().mFolderDelete.userChoose();
                break;
            case 2: {
                const std::string name = Names[random() % Names.size()];
                batched.rename(batched.store().FolderKey(clicked), name);
                steps.renameSelected(name);
                break;
            }
            case 3:
                if (written.menu().mFolderTrashEmpty.Choosable())
                    steps.emptyTrash();
                batched.menu().mFolderTrashEmpty.userChoose();
                break;
            default: {
                const int node = pick();
                const bool open = random() % 2 == 0;
                batched.tree().Nodes(node).setExpanded(open);
                written.tree().Nodes(node).setExpanded(open);
            }
            }
            ASSERT_EQ(everything(batched), everything(written));
        }
    }
}

} // namespace
