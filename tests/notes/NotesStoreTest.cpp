#include "notes/NotesStore.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A store as start-up leaves it, with the folders named in `folders` appended as (parent, name) pairs.
notes::NotesStore storeWith(std::initializer_list<std::pair<const char*, const char*>> folders) {
    notes::NotesStore store;
    store.InitialiseFolders();
    for (const auto& [parent, name] : folders)
        EXPECT_TRUE(store.AppendFolder(parent, name));
    return store;
}

TEST(StoreTables, StartWithTheTwoFixedFoldersAndHoldNoSpareSlots) {
    const notes::NotesStore store = storeWith({});
    EXPECT_EQ(store.FolderCount, 2.0F);
    EXPECT_EQ(store.FolderKey(1), "Scrivlet");
    EXPECT_EQ(store.FolderKey(2), "Trash");
    EXPECT_EQ(store.ItemCount, 0);
    // Every slot reads as empty, yet an idle store holds memory only for the slots it wrote.
    EXPECT_EQ(store.ItemName[65535], "");
    EXPECT_EQ(store.FolderName[40000], "");
    EXPECT_LE(store.FolderName.used(), 3U);
    EXPECT_EQ(store.ItemText.used(), 0U);
}

TEST(StoreTables, FolderExistsComparesWholeKeysExactly) {
    const notes::NotesStore store = storeWith({{"Scrivlet", "Work"}, {"Trash", "Old"}});
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
        // The join keeps the "\" of an empty parent.
        {"\\Scrivlet", true},
        {"Work", false},
        {"Scrivlet\\Work\\", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(store.FolderExists(row.key), row.exists);
    }
}

// The key index points into its own entries: a copied store must answer from keys of its own, also
// once the original changes or goes away, and a copy assigned over a store forgets that store's keys.
TEST(StoreTables, ACopiedStoreKeepsItsOwnKeys) {
    auto original = std::make_unique<notes::NotesStore>(
        storeWith({{"Scrivlet", "Work"}, {"Scrivlet", "Work"}, {"Trash", "Old"}}));
    const notes::NotesStore copy = *original;
    notes::NotesStore assigned = storeWith({{"Scrivlet", "Home"}});
    assigned = *original;
    original->RemoveFoldersAt({3, 4, 5});
    EXPECT_FALSE(original->FolderExists("Scrivlet\\Work"));
    original.reset();
    const notes::NotesStore* const copies[] = {&copy, &assigned};
    for (const notes::NotesStore* store : copies) {
        EXPECT_TRUE(store->FolderExists("Scrivlet\\Work"));
        EXPECT_TRUE(store->FolderExists("Trash\\Old"));
        EXPECT_FALSE(store->FolderExists("Scrivlet\\Home"));
    }
    // Both copies of the duplicate key count: one removal leaves the other.
    notes::NotesStore twice = copy;
    twice.RemoveFolderAt(3);
    EXPECT_TRUE(twice.FolderExists("Scrivlet\\Work"));
    twice.RemoveFolderAt(3);
    EXPECT_FALSE(twice.FolderExists("Scrivlet\\Work"));
}

TEST(StoreTables, FolderKindFollowsTheParentKey) {
    const notes::NotesStore store =
        storeWith({{"Scrivlet", "Work"}, {"Trash", "Old"}, {"Trash\\Old", "Deeper"}, {"Scrivlet", "Trash"}});
    const int16_t expected[] = {notes::KindRoot,    notes::KindTrash,   notes::KindOrdinary,
                                notes::KindInTrash, notes::KindInTrash, notes::KindOrdinary};
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(store.FolderKey(i));
        EXPECT_EQ(store.FolderKind(i), expected[i - 1]);
    }
}

TEST(StoreTables, SubtreeAndTrashTestsArePrefixTestsOnWholeNames) {
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

TEST(StoreTables, RemovingAFolderShiftsLaterFoldersDown) {
    notes::NotesStore store = storeWith({{"Scrivlet", "A"}, {"Scrivlet", "B"}, {"Scrivlet", "C"}});
    store.RemoveFolderAt(3);
    EXPECT_EQ(store.FolderCount, 4.0F);
    EXPECT_EQ(store.FolderKey(3), "Scrivlet\\B");
    EXPECT_EQ(store.FolderKey(4), "Scrivlet\\C");
    // The freed slot reads as empty again.
    EXPECT_EQ(store.FolderName[5], "");
}

TEST(StoreTables, RemovingAnItemKeepsTheOthersInOrder) {
    notes::NotesStore store;
    store.AppendItem("one", "Scrivlet", "text one");
    store.AppendItem("two", "Trash", "text two");
    store.AppendItem("three", "Scrivlet", "text three");

    store.RemoveItemAt(0);

    ASSERT_EQ(store.ItemCount, 2);
    const struct {
        const char *name, *folder, *text;
    } expected[] = {{"two", "Trash", "text two"}, {"three", "Scrivlet", "text three"}};
    for (std::size_t j = 0; j < std::size(expected); ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(store.ItemName[j], expected[j].name);
        EXPECT_EQ(store.ItemFolder[j], expected[j].folder);
        EXPECT_EQ(store.ItemText[j], expected[j].text);
    }
    EXPECT_EQ(store.ItemText[2], "");
}

TEST(StoreTables, AFullTableRefusesAndStaysAsItWas) {
    notes::NotesStore store;
    store.InitialiseFolders();
    for (int i = 3; i <= notes::NotesStore::MaxEntries; ++i)
        ASSERT_TRUE(store.AppendFolder("Scrivlet", std::to_string(i)));
    EXPECT_FALSE(store.AppendFolder("Scrivlet", "One too many"));
    EXPECT_EQ(store.LastFolder(), notes::NotesStore::MaxEntries);
    EXPECT_EQ(store.FolderName[notes::NotesStore::MaxEntries + 1], "");

    for (int j = 0; j < notes::NotesStore::MaxEntries; ++j)
        ASSERT_TRUE(store.AppendItem(std::to_string(j), "Scrivlet", ""));
    EXPECT_FALSE(store.AppendItem("One too many", "Scrivlet", ""));
    EXPECT_EQ(store.ItemCount, notes::NotesStore::MaxEntries);
    EXPECT_EQ(store.ItemName[notes::NotesStore::MaxEntries], "");
}

} // namespace
