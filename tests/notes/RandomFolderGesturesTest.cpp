#include "tests/notes/FolderWindow.h"
#include "tests/support/NotesInvariants.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using testing_support::FolderWindow;

// A user at the window, doing random things from a seeded generator.
class RandomUser {
public:
    RandomUser(FolderWindow& w, std::uint32_t seed) : w_(w), random_(seed) {}

    // Returns what was done, for the failure message.
    std::string act() {
        switch (below(12)) {
        case 0:
            w_.tree().userClickNode(anyNode());
            return "click a folder";
        case 1:
            w_.tree().userSelectWithKeyboard(anyNode());
            return "move to a folder with the keyboard";
        case 2:
            w_.menu().mFolderAdd.userChoose();
            endLabelEdit();
            return "add a folder";
        case 3:
            w_.menu().Bar.userPressShortcut("F2");
            endLabelEdit();
            return "rename with F2";
        case 4:
            if (below(2) == 0)
                w_.menu().mFolderDelete.userChoose();
            else
                w_.tree().userKeyUp(ui::vbKeyDelete, 0);
            return "delete";
        case 5:
            w_.menu().mFolderTrashEmpty.userChoose();
            return "empty Trash";
        case 6:
        case 7: {
            // Copies double subtrees; past a few hundred folders only moves keep the test quick.
            const int16_t shifts[] = {0, ui::vbShiftMask, ui::vbCtrlMask, ui::vbAltMask};
            const int16_t shift = w_.store().LastFolder() > 200 ? 0 : shifts[below(4)];
            w_.tree().userDragNode(anyNode(), anyNode(), shift);
            return "drag with modifiers " + std::to_string(shift);
        }
        case 8: {
            ui::MenuEntry* choices[] = {nullptr, &w_.menu().mFolderAdd, &w_.menu().mFolderRename,
                                        &w_.menu().mFolderDelete, &w_.menu().mFolderTrashEmpty};
            w_.platform.popupChoices.push_back(choices[below(5)]);
            w_.tree().userRightClick(ui::TreeView::pointOf(anyNode()));
            endLabelEdit();
            return "choose from the pop-up";
        }
        case 9:
            if (w_.controls().lItem.ListItems.Count() > 0)
                w_.controls().lItem.userClickItem(1 + below(w_.controls().lItem.ListItems.Count()),
                                                  below(4) == 0 ? ui::vbCtrlMask : int16_t{0});
            return "click an entry";
        case 10:
            w_.controls().lText.userType(" typed " + std::to_string(below(100)));
            return "type";
        default:
            itemCommandGesture();
            return "item command";
        }
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int anyNode() { return 1 + below(w_.tree().Nodes.Count()); }

    // Ends an edit the gesture may have opened: a plain name, a taken one, a refused one, or Escape.
    void endLabelEdit() {
        if (w_.tree().EditingNode() == nullptr)
            return;
        const char* names[] = {"A", "B", "Ab", "New Folder", "", "x\\y", "Trash"};
        const int choice = below(8);
        if (choice == 7)
            w_.tree().userCancelLabelEdit();
        else
            w_.tree().userEndLabelEdit(names[choice]);
    }

    // An item command from the menu, the pop-up or the keys; disabled ones do nothing, as for the user.
    void itemCommandGesture() {
        app::MainMenu& m = w_.menu();
        ui::MenuEntry* entries[] = {&m.mItemAdd,    &m.mItemRename, m.mItemCopy[0],
                                    m.mItemCopy[1], m.mItemCopy[2], &m.mItemDelete};
        switch (below(3)) {
        case 0:
            entries[below(6)]->userChoose();
            break;
        case 1:
            w_.platform.popupChoices.push_back(entries[below(6)]);
            w_.controls().lItem.userRightClick({4, 4});
            break;
        default:
            w_.menu().Bar.userPressShortcut(below(2) == 0 ? "Ctrl+V" : "Ctrl+X");
            break;
        }
        if (w_.controls().lItem.EditingItem() == nullptr)
            return;
        const char* names[] = {"item", "New Item", "", "note"};
        if (below(5) == 0)
            w_.controls().lItem.userCancelLabelEdit();
        else
            w_.controls().lItem.userEndLabelEdit(names[below(4)]);
    }

    FolderWindow& w_;
    std::mt19937 random_;
};

// The answer FolderExists must give: a pass over the table, joining without dropping the "\".
bool scanFinds(const notes::NotesStore& s, const std::string& key) {
    for (int i = 1; i <= s.LastFolder(); ++i) {
        if (s.FolderParent[static_cast<std::size_t>(i)] + "\\" + s.FolderName[static_cast<std::size_t>(i)] ==
            key)
            return true;
    }
    return false;
}

void checkKeyIndexAgainstScan(FolderWindow& w) {
    const notes::NotesStore& s = w.store();
    std::set<std::string> asked = {"\\Scrivlet", "\\Trash", "Scrivlet", "Trash", "Scrivlet\\", ""};
    for (int i = 1; i <= s.LastFolder(); ++i) {
        const std::string key = s.FolderKey(i);
        asked.insert(key);
        asked.insert(key + " (2)");
        asked.insert(key + "\\New Folder");
    }
    for (const std::string& key : asked)
        EXPECT_EQ(s.FolderExists(key), scanFinds(s, key)) << key;
}

TEST(RandomFolderGestures, StoreTreeListAndKeyIndexStayInStepThroughThousandsOfGestures) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        FolderWindow w;
        RandomUser user(w, seed);
        for (int step = 0; step < 400; ++step) {
            const std::string did = user.act();
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) + ": " + did);
            ASSERT_EQ(testing_support::notesInvariantBreak(w.form), "");
            if (step % 10 == 0)
                checkKeyIndexAgainstScan(w);
        }
        checkKeyIndexAgainstScan(w);
    }
}

} // namespace
