#include "notes/ItemNaming.h"
#include "notes/NotesStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// A store as start-up leaves it, with the folders named in `folders` appended as (parent, name) pairs.
notes::NotesStore storeWith(std::initializer_list<std::pair<const char*, const char*>> folders) {
    notes::NotesStore store;
    store.InitialiseFolders();
    for (const auto& [parent, name] : folders)
        EXPECT_TRUE(store.AppendFolder(parent, name));
    return store;
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

TEST(StoreTables, AFullTableRefusesTheNextEntryAndStaysAsItWas) {
    notes::NotesStore store;
    store.InitialiseFolders();
    for (int i = 3; i <= notes::NotesStore::MaxEntries; ++i)
        ASSERT_TRUE(store.AppendFolder("Scrivlet", std::to_string(i)));
    EXPECT_FALSE(store.AppendFolder("Scrivlet", "One too many"));
    EXPECT_EQ(store.LastFolder(), notes::NotesStore::MaxEntries);
    EXPECT_FALSE(store.FolderExists("Scrivlet\\One too many"));

    for (int j = 0; j < notes::NotesStore::MaxEntries; ++j)
        ASSERT_TRUE(store.AppendItem(std::to_string(j), "Scrivlet", ""));
    EXPECT_FALSE(store.AppendItem("One too many", "Scrivlet", ""));
    EXPECT_EQ(store.ItemCount, notes::NotesStore::MaxEntries);
    EXPECT_EQ(store.ItemName[notes::NotesStore::MaxEntries - 1],
              std::to_string(notes::NotesStore::MaxEntries - 1));
}

// The batch removals must end exactly as the one-by-one removals from the highest index down, and the
// new item's name is free in its folder with every lower number taken, on tables of every shape.
TEST(StoreBatchesMatchTheirLoops, RemovalAndNaming) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        notes::NotesStore loop;
        loop.InitialiseFolders();
        const int count = static_cast<int>(random() % 60);
        for (int j = 0; j < count; ++j) {
            const std::string name =
                random() % 2 ? "New Item" : "New Item (" + std::to_string(random() % 6) + ")";
            loop.AppendItem(name, random() % 3 ? "F" : "G", std::to_string(j));
            loop.AppendFolder(random() % 2 ? "Scrivlet" : "Trash", std::to_string(random() % 9));
        }
        const std::optional<std::string> name = notes::NewItemName(loop, "F");
        ASSERT_TRUE(name && !notes::ItemExists(loop, "F", *name));
        const std::size_t number = name->find('(') == std::string::npos ? 1 : std::stoul(name->substr(10));
        for (std::size_t n = 1; n < number; ++n)
            EXPECT_TRUE(
                notes::ItemExists(loop, "F", n == 1 ? "New Item" : "New Item (" + std::to_string(n) + ")"));

        std::vector<int16_t> items;
        std::vector<int> folders;
        for (int j = 0; j < count; ++j) {
            if (random() % 3 == 0)
                items.push_back(static_cast<int16_t>(j));
            if (random() % 3 == 0)
                folders.push_back(j + 3);
        }
        std::shuffle(items.begin(), items.end(), random);
        notes::NotesStore batch = loop;
        batch.RemoveItemsAt(items);
        batch.RemoveFoldersAt(folders);
        std::sort(items.rbegin(), items.rend());
        for (const int16_t j : items)
            loop.RemoveItemAt(j);
        for (auto i = folders.rbegin(); i != folders.rend(); ++i)
            loop.RemoveFolderAt(*i);
        ASSERT_EQ(batch.ItemCount, loop.ItemCount);
        ASSERT_EQ(batch.FolderCount(), loop.FolderCount());
        for (std::size_t j = 0; j < static_cast<std::size_t>(count) + 3; ++j) {
            ASSERT_EQ(batch.ItemName[j] + batch.ItemFolder[j] + batch.ItemText[j],
                      loop.ItemName[j] + loop.ItemFolder[j] + loop.ItemText[j]);
            ASSERT_EQ(batch.FolderParent(j) + "\\" + batch.FolderName(j),
                      loop.FolderParent(j) + "\\" + loop.FolderName(j));
        }
        for (int k = 0; k < 9; ++k) {
            for (const char* top : {"Scrivlet\\", "Trash\\"})
                ASSERT_EQ(batch.FolderExists(top + std::to_string(k)),
                          loop.FolderExists(top + std::to_string(k)));
        }
    }
}

} // namespace
