#include "notes/ItemNaming.h"
#include "notes/NotesStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// An add checks for room before it appends, so only the store itself stands between a full item table
// and one entry too many.
TEST(StoreTables, AFullItemTableRefusesTheNextEntryAndStaysAsItWas) {
    notes::NotesStore store;
    for (int j = 0; j < notes::NotesStore::MaxEntries; ++j)
        ASSERT_TRUE(store.appendItem(std::to_string(j), "Scrivlet", ""));
    EXPECT_FALSE(store.appendItem("One too many", "Scrivlet", ""));
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
        notes::NotesStore batch;
        loop.initialiseFolders();
        batch.initialiseFolders();
        const int count = static_cast<int>(random() % 60);
        for (int j = 0; j < count; ++j) {
            const std::string name =
                random() % 2 ? "New Item" : "New Item (" + std::to_string(random() % 6) + ")";
            const std::string folder = random() % 3 ? "F" : "G";
            const std::string parent = random() % 2 ? "Scrivlet" : "Trash";
            const std::string child = std::to_string(random() % 9);
            for (notes::NotesStore* store : {&loop, &batch}) {
                store->appendItem(name, folder, std::to_string(j));
                store->appendFolder(parent, child);
            }
        }
        const std::optional<std::string> name = notes::newItemName(loop, "F");
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
        batch.removeItemsAt(items);
        batch.removeFoldersAt(folders);
        std::sort(items.rbegin(), items.rend());
        for (const int16_t j : items)
            loop.RemoveItemAt(j);
        for (auto i = folders.rbegin(); i != folders.rend(); ++i)
            loop.RemoveFolderAt(*i);
        ASSERT_EQ(batch.ItemCount, loop.ItemCount);
        ASSERT_EQ(batch.FolderCount(), loop.FolderCount());
        for (int j = 0; j < count + 3; ++j) {
            const auto at = static_cast<std::size_t>(j);
            ASSERT_EQ(batch.ItemName[at] + batch.ItemFolder[at] + batch.ItemText[at],
                      loop.ItemName[at] + loop.ItemFolder[at] + loop.ItemText[at]);
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
