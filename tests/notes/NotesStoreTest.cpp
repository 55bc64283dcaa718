#include "notes/NotesStore.h"
#include "tests/support/StartedWindow.h"

#include <gtest/gtest.h>

namespace {

using testing_support::StartedWindow;

TEST(NotesStore, FolderExistsComparesWholeKeysExactly) {
    StartedWindow window;
    window.notes().Tree().AppendFolder("Scrivlet", "Work");
    window.notes().Tree().AppendFolder("Trash", "Old");
    const struct {
        const char* key;
        bool exists;
    } rows[] = {
        {"Scrivlet\\Work", true},
        {"Trash\\Old", true},
        {"scrivlet\\work", false},
        {"Scrivlet\\Wor", false},
        {"Scrivlet\\Work2", false},
        {"Scrivlet", false},
        {"Trash", false},
        {"\\Scrivlet", true},
        {"Work", false},
        {"Scrivlet\\Work\\", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(window.store().FolderExists(row.key), row.exists);
    }
}

TEST(NotesStore, FolderKindFollowsTheParentKey) {
    StartedWindow window;
    window.notes().Tree().AppendFolder("Scrivlet", "Work");
    window.notes().Tree().AppendFolder("Trash", "Old");
    window.notes().Tree().AppendFolder("Trash\\Old", "Deeper");
    window.notes().Tree().AppendFolder("Scrivlet", "Trash");
    const notes::NotesStore& store = window.store();
    EXPECT_EQ(store.FolderKind(1), notes::KindRoot);
    EXPECT_EQ(store.FolderKind(2), notes::KindTrash);
    EXPECT_EQ(store.FolderKind(3), notes::KindOrdinary);
    EXPECT_EQ(store.FolderKind(4), notes::KindInTrash);
    EXPECT_EQ(store.FolderKind(5), notes::KindInTrash);
    EXPECT_EQ(store.FolderKind(6), notes::KindOrdinary);
}

TEST(NotesStore, SubtreeAndTrashTestsArePrefixTestsOnWholeNames) {
    const struct {
        const char* path;
        const char* top;
        bool inside;
    } rows[] = {
        {"Scrivlet\\Work", "Scrivlet\\Work", true},         {"Scrivlet\\Work\\A", "Scrivlet\\Work", true},
        {"Scrivlet\\Work\\A\\B", "Scrivlet\\Work", true},   {"Scrivlet\\Workshop", "Scrivlet\\Work", false},
        {"Scrivlet\\Workshop\\A", "Scrivlet\\Work", false}, {"Scrivlet", "Scrivlet\\Work", false},
        {"Scrivlet\\work", "Scrivlet\\Work", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.path) + " in " + row.top);
        EXPECT_EQ(notes::IsInSubtree(row.path, row.top), row.inside);
    }
    EXPECT_TRUE(notes::IsInTrash("Trash"));
    EXPECT_TRUE(notes::IsInTrash("Trash\\Old"));
    EXPECT_FALSE(notes::IsInTrash("Scrivlet\\Trash"));
}

TEST(NotesStore, RemovingAFolderShiftsLaterFoldersAndTheirNodesDown) {
    StartedWindow window;
    window.notes().Tree().AppendFolder("Scrivlet", "A");
    window.notes().Tree().AppendFolder("Scrivlet", "B");
    window.notes().Tree().AppendFolder("Scrivlet", "C");
    ui::TreeView& tree = window.controls().lTre;

    window.store().RemoveFolderAt(3);
    tree.Nodes.Remove(3);

    EXPECT_EQ(window.store().FolderCount, 4.0F);
    EXPECT_EQ(window.store().FolderKey(3), "Scrivlet\\B");
    EXPECT_EQ(window.store().FolderKey(4), "Scrivlet\\C");
    ASSERT_EQ(tree.Nodes.Count(), 4);
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tree.Nodes(i).Key(), window.store().FolderKey(i));
        EXPECT_EQ(tree.Nodes(i).Index(), i);
    }
}

TEST(NotesStore, RemovingTheFirstItemKeepsTheOthersInOrder) {
    StartedWindow window;
    window.store().AppendItem("one", "Scrivlet", "text one");
    window.store().AppendItem("two", "Trash", "text two");
    window.store().AppendItem("three", "Scrivlet", "text three");

    window.store().RemoveItemAt(0);

    const notes::NotesStore& store = window.store();
    ASSERT_EQ(store.ItemCount, 2);
    EXPECT_EQ(store.ItemName[0], "two");
    EXPECT_EQ(store.ItemFolder[0], "Trash");
    EXPECT_EQ(store.ItemText[0], "text two");
    EXPECT_EQ(store.ItemName[1], "three");
    EXPECT_EQ(store.ItemFolder[1], "Scrivlet");
    EXPECT_EQ(store.ItemText[1], "text three");
}

TEST(NotesStore, AFullTableRefusesAndStaysAsItWas) {
    notes::NotesStore store;
    store.FolderCount = static_cast<float>(notes::NotesStore::MaxEntries);
    EXPECT_FALSE(store.AppendFolder("Scrivlet", "One too many"));
    EXPECT_EQ(store.LastFolder(), notes::NotesStore::MaxEntries);

    store.ItemCount = notes::NotesStore::MaxEntries;
    EXPECT_FALSE(store.AppendItem("One too many", "Scrivlet", ""));
    EXPECT_EQ(store.ItemCount, notes::NotesStore::MaxEntries);
}

} // namespace
