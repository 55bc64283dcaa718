#include "tests/support/StartedWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::StartedWindow;

// A window holding Scrivlet\Work with two items, Scrivlet\Work\Sub with one, and Trash\Old.
struct NotesWindow : StartedWindow {
    NotesWindow() {
        notes().Tree().AppendFolder("Scrivlet", "Work");
        notes().Tree().AppendFolder("Scrivlet\\Work", "Sub");
        notes().Tree().AppendFolder("Trash", "Old");
        store().AppendItem("first", "Scrivlet\\Work", "text of first");
        store().AppendItem("deep", "Scrivlet\\Work\\Sub", "text of deep");
        store().AppendItem("second", "Scrivlet\\Work", "text of second");
        notes().List().ListFolderItems(false);
    }

    void clickFolder(const std::string& key) {
        controls().lTre.userClickNode(controls().lTre.Nodes.find(key)->Index());
    }

    std::vector<std::string> listedKeys() {
        std::vector<std::string> keys;
        for (int i = 1; i <= controls().lItem.ListItems.Count(); ++i)
            keys.push_back(controls().lItem.ListItems(i).Key());
        return keys;
    }
};

TEST(FolderSelection, StartsWithTheRootSelectedAboveTheTrash) {
    StartedWindow window;
    ui::TreeView& tree = window.controls().lTre;
    ASSERT_EQ(tree.Nodes.Count(), 2);
    ASSERT_EQ(tree.Nodes.TopLevel().size(), 2U);
    EXPECT_EQ(tree.Nodes(1).Text(), "Scrivlet");
    EXPECT_EQ(tree.Nodes(1).Image(), 1);
    EXPECT_EQ(tree.Nodes(2).Text(), "Trash");
    EXPECT_EQ(tree.Nodes(2).Image(), 2);
    EXPECT_TRUE(tree.Nodes(1).Selected());
    EXPECT_EQ(window.store().FolderCount, 2.0F);
    EXPECT_EQ(window.store().ItemCount, 0);
    EXPECT_FALSE(window.controls().lText.Enabled());
    EXPECT_EQ(window.controls().lText.Text(), "");
    EXPECT_EQ(window.controls().lItem.ListItems.Count(), 0);
}

TEST(FolderSelection, FolderNodesCarryThePathKeyAndFolderImages) {
    NotesWindow window;
    const ui::TreeNode& sub = window.controls().lTre.Nodes(4);
    EXPECT_EQ(sub.Key(), "Scrivlet\\Work\\Sub");
    EXPECT_EQ(sub.Text(), "Sub");
    EXPECT_EQ(sub.Image(), 3);
    EXPECT_EQ(sub.SelectedImage(), 4);
    EXPECT_EQ(sub.Parent()->Key(), "Scrivlet\\Work");
}

TEST(FolderSelection, MenuStatesFollowTheKindOfTheClickedFolder) {
    NotesWindow window;
    app::MainMenu& m = window.menu();
    // Each row: the folder clicked, then the expected state of each entry in the order of `entries`.
    const std::vector<ui::MenuEntry*> entries = {&m.mFolderAdd,       &m.mFolderRename,     &m.mFolderDelete,
                                                 &m.mFolderTrashLine, &m.mFolderTrashEmpty, &m.mItemAdd,
                                                 &m.mItemRename,      m.mItemCopy[0],       m.mItemCopy[1],
                                                 m.mItemCopy[2],      &m.mItemDelete};
    const struct {
        const char* folder;
        const char* states; // E enabled, D disabled, V visible, H hidden
    } rows[] = {
        {"Trash", "DDDVVDDDDDD"},
        {"Trash\\Old", "DEEHHDEDEDE"},
        {"Scrivlet\\Work", "EEEHHEEEEEE"},
        {"Scrivlet", "EDDHHDDDDDD"},
        {"Scrivlet\\Work\\Sub", "EEEHHEEEEEE"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder);
        window.clickFolder(row.folder);
        for (std::size_t e = 0; e < entries.size(); ++e) {
            SCOPED_TRACE(entries[e]->Name() + std::to_string(entries[e]->Index()));
            const char state = row.states[e];
            if (state == 'V' || state == 'H')
                EXPECT_EQ(entries[e]->Visible(), state == 'V');
            else
                EXPECT_EQ(entries[e]->Enabled(), state == 'E');
        }
    }
}

TEST(FolderSelection, ListsOnlyTheFoldersOwnItemsInStoreOrder) {
    NotesWindow window;
    window.clickFolder("Scrivlet\\Work");
    EXPECT_EQ(window.listedKeys(), (std::vector<std::string>{"x0", "x2"}));
    EXPECT_EQ(window.controls().lItem.ListItems(2).Text(), "second");
    EXPECT_EQ(window.controls().lItem.ListItems(2).SmallIcon(), 5);
    EXPECT_EQ(window.view().ListedCount, 2);

    window.clickFolder("Scrivlet\\Work\\Sub");
    EXPECT_EQ(window.listedKeys(), (std::vector<std::string>{"x1"}));

    window.notes().Tree().AppendFolder("Scrivlet", "Parent");
    window.notes().Tree().AppendFolder("Scrivlet\\Parent", "Child");
    window.store().AppendItem("only below", "Scrivlet\\Parent\\Child", "");
    window.clickFolder("Scrivlet\\Parent");
    EXPECT_TRUE(window.listedKeys().empty());
    EXPECT_FALSE(window.controls().lText.Enabled());
}

TEST(FolderSelection, ClickingTheShownFolderAgainKeepsTheListAsItIs) {
    NotesWindow window;
    window.clickFolder("Scrivlet\\Work");
    ui::ListView& list = window.controls().lItem;
    list.userClickItem(2);
    window.store().AppendItem("added later", "Scrivlet\\Work", "");

    window.clickFolder("Scrivlet\\Work");
    EXPECT_EQ(list.ListItems.Count(), 2);
    EXPECT_TRUE(list.ListItems(2).Selected());

    window.notes().List().ListFolderItems(false);
    EXPECT_EQ(list.ListItems.Count(), 3);
    EXPECT_FALSE(list.ListItems(2).Selected());
}

TEST(TypedText, TypedTextReachesTheStoreOnTheNextClickNotBefore) {
    NotesWindow window;
    window.clickFolder("Scrivlet\\Work");
    ui::ListView& list = window.controls().lItem;
    ui::TextBox& text = window.controls().lText;

    list.userClickItem(1);
    EXPECT_TRUE(text.Enabled());
    EXPECT_EQ(text.Text(), "text of first");
    text.userType(", edited");
    EXPECT_EQ(window.store().ItemText[0], "text of first");
    EXPECT_TRUE(window.view().TextDirty);

    list.userClickItem(2);
    EXPECT_EQ(window.store().ItemText[0], "text of first, edited");
    EXPECT_EQ(text.Text(), "text of second");
    EXPECT_FALSE(window.view().TextDirty);
}

TEST(TypedText, ClickingTheShownEntryStoresTypingWithoutReloadingTheText) {
    NotesWindow window;
    window.clickFolder("Scrivlet\\Work");
    ui::ListView& list = window.controls().lItem;
    ui::TextBox& text = window.controls().lText;
    list.userClickItem(2);
    text.userType("!");
    int changes = 0;
    text.Change.connect([&changes] { ++changes; });

    list.userClickItem(2);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(window.store().ItemText[2], "text of second!");
    EXPECT_FALSE(window.view().TextDirty);
}

TEST(TypedText, TwoSelectedEntriesUnbindTheTextBoxAfterStoringTheTyping) {
    NotesWindow window;
    window.clickFolder("Scrivlet\\Work");
    ui::ListView& list = window.controls().lItem;
    ui::TextBox& text = window.controls().lText;
    list.userClickItem(1);
    text.userType(" and more");

    list.userClickItem(2, ui::vbCtrlMask);
    EXPECT_EQ(window.store().ItemText[0], "text of first and more");
    EXPECT_EQ(text.Text(), "");
    EXPECT_FALSE(text.Enabled());
    EXPECT_EQ(window.view().ShownItem, -1);

    // Back to one selected entry: the text box binds to it again.
    list.userClickItem(1, ui::vbCtrlMask);
    EXPECT_TRUE(text.Enabled());
    EXPECT_EQ(text.Text(), "text of second");
}

TEST(TypedText, SelectingAnotherFolderStoresTheTypingFirst) {
    NotesWindow window;
    window.clickFolder("Scrivlet\\Work");
    window.controls().lItem.userClickItem(1);
    window.controls().lText.userEdit("replaced");

    window.clickFolder("Trash");
    EXPECT_EQ(window.store().ItemText[0], "replaced");
    EXPECT_FALSE(window.controls().lText.Enabled());
    EXPECT_EQ(window.controls().lText.Text(), "");
}

TEST(TypedText, ADisabledTextBoxTakesNoTyping) {
    StartedWindow window;
    window.controls().lText.userType("lost?");
    EXPECT_EQ(window.controls().lText.Text(), "");
    EXPECT_FALSE(window.view().TextDirty);
}

} // namespace

namespace {

// What a user sees of the notes after a gesture: the selected folder, the listed entries, the text box
// and the folder-kind menu states.
std::string visibleState(StartedWindow& window) {
    std::string state = "folder " + std::to_string(window.view().SelFolder) + "; entries";
    const ui::ListView& list = window.controls().lItem;
    for (int i = 1; i <= list.ListItems.Count(); ++i)
        state += " " + list.ListItems(i).Key();
    state += "; text " + std::string(window.controls().lText.Enabled() ? "bound" : "unbound");
    for (const ui::MenuEntry* entry : window.menu().Bar.allEntries())
        state += entry->Enabled() ? "E" : "D";
    return state + (window.menu().mFolderTrashEmpty.Visible() ? " trash entries" : "");
}

TEST(FolderSelection, KeyboardMovesSelectFoldersExactlyAsClicks) {
    NotesWindow byKeys;
    NotesWindow byClicks;
    int nodeClicks = 0;
    byKeys.controls().lTre.NodeClick.connect([&nodeClicks](ui::TreeNode&) { ++nodeClicks; });
    byKeys.controls().lTre.userClickNode(3);
    byKeys.controls().lItem.userClickItem(1);
    byKeys.controls().lText.userType(" typed");
    byClicks.controls().lTre.userClickNode(3);
    byClicks.controls().lItem.userClickItem(1);
    byClicks.controls().lText.userType(" typed");
    for (const int node : {4, 2, 5, 1, 3}) {
        SCOPED_TRACE(node);
        byKeys.controls().lTre.userSelectWithKeyboard(node);
        byClicks.controls().lTre.userClickNode(node);
        EXPECT_EQ(visibleState(byKeys), visibleState(byClicks));
    }
    EXPECT_EQ(nodeClicks, 6);
    EXPECT_EQ(byKeys.store().ItemText[0], "text of first typed");
}

TEST(TypedText, ClickingTheListsEmptyPartStoresTheTypingAndUnbinds) {
    NotesWindow window;
    window.clickFolder("Scrivlet\\Work");
    window.controls().lItem.userClickItem(2);
    window.controls().lText.userType(" kept");

    window.controls().lItem.userClickEmpty();
    EXPECT_EQ(window.store().ItemText[2], "text of second kept");
    EXPECT_FALSE(window.controls().lText.Enabled());
    EXPECT_EQ(window.controls().lText.Text(), "");
    EXPECT_EQ(window.view().ShownItem, -1);

    // Selecting an entry with the keyboard binds it again.
    window.controls().lItem.userSelectWithKeyboard(1);
    EXPECT_TRUE(window.controls().lText.Enabled());
    EXPECT_EQ(window.controls().lText.Text(), "text of first");
}

TEST(FolderSelection, ARefusedAppendLeavesStoreAndTreeAsTheyWere) {
    NotesWindow window;
    const struct {
        const char *parent, *name, *why;
    } refused[] = {
        {"Scrivlet", "Work", "the key is in use"},
        {"Scrivlet\\Nowhere", "Child", "the parent has no node"},
    };
    for (const auto& row : refused) {
        SCOPED_TRACE(row.why);
        EXPECT_FALSE(window.notes().Tree().AppendFolder(row.parent, row.name));
        EXPECT_EQ(window.store().FolderCount, 5.0F);
        EXPECT_EQ(window.controls().lTre.Nodes.Count(), 5);
        EXPECT_EQ(window.store().FolderName[6], "");
    }
    EXPECT_TRUE(window.notes().Tree().AppendFolder("Scrivlet", "Workshop"));
    EXPECT_EQ(window.controls().lTre.Nodes(6).Key(), "Scrivlet\\Workshop");
}

TEST(FolderSelection, NodeIndexStaysFolderIndexWhenAFolderGoes) {
    NotesWindow window;
    window.notes().Tree().AppendFolder("Scrivlet", "Last");
    window.store().RemoveFolderAt(3);
    window.controls().lTre.Nodes.Remove(3);
    // Removing Scrivlet\Work took its node's subtree too; the store's folder 3 is now its former child.
    ASSERT_EQ(window.store().FolderKey(3), "Scrivlet\\Work\\Sub");
    window.store().RemoveFolderAt(3);
    ASSERT_EQ(window.controls().lTre.Nodes.Count(), 4);
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(window.controls().lTre.Nodes(i).Key(), window.store().FolderKey(i));
    }
}

} // namespace
