#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using tests::FolderWindow;

std::string repeated(const std::string& part, int count) {
    std::string whole;
    for (int i = 0; i < count; ++i)
        whole += part;
    return whole;
}

// A folder and an item renamed to each name: accepted names are taken as typed, refused ones leave
// the store and the label as they were. Folders also refuse the empty name and "\", which items take.
TEST(HostileNames, RenamesFollowTheNameRuleOfFoldersAndOfItems) {
    const struct {
        const char* what;
        std::string name;
        bool folderTakes;
        bool itemTakes;
    } rows[] = {
        {"line feed", "a\nb", false, false},
        {"NUL", std::string("a\0b", 3), false, false},
        {"DEL", "a\x7f", false, false},
        {"C1", "a\u0085b\u009f", false, false},
        {"256 characters", std::string(256, 'x'), false, false},
        {"255 four-byte characters", repeated("\U0001F600", 255), true, true},
        {"right-to-left override", "\u202etxt.exe", true, true},
        {"no-break space, just after C1", "a\u00a0b", true, true},
        {"empty", "", false, true},
        {"backslash", "x\\y", false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        FolderWindow w;
        w.add("Scrivlet", "Work");
        w.item("Scrivlet\\Work", "Note");
        w.rename("Scrivlet\\Work", row.name);
        const std::string folder = "Scrivlet\\" + (row.folderTakes ? row.name : "Work");
        EXPECT_EQ(w.folders(), (std::vector<std::string>{"Scrivlet", "Trash", folder}));
        EXPECT_EQ(w.tree().Nodes(3).Text(), row.folderTakes ? row.name : "Work");

        w.click(folder);
        w.controls().lItem.userClickItem(1);
        w.menu().mItemRename.userChoose();
        w.controls().lItem.userEndLabelEdit(row.name);
        const std::string item = row.itemTakes ? row.name : "Note";
        EXPECT_EQ(w.items(), std::vector<std::string>{item + "@" + folder + ":"});
        EXPECT_EQ(w.controls().lItem.ListItems(1).Text(), item);
    }
}

// A chain as deep as folders nest, of the longest names at four bytes a character: nothing may go below
// its deepest folder and a subtree fits only where its own depth still does, while the chain itself can
// be renamed, deleted (Delete always may, as it moves a subtree up into the Trash) and emptied from Trash.
TEST(HostileNames, TheDeepestChainOfTheLongestNamesTakesNothingBelowAndStaysUsable) {
    using Keys = std::vector<std::string>;
    constexpr int Deepest = notes::MaxFolderDepth;
    const std::string longest = repeated("\U0001F600", 255);
    FolderWindow w;
    Keys chain = {"Scrivlet"};
    for (int level = 1; level <= Deepest; ++level) {
        w.add(chain.back(), longest);
        chain.push_back(chain.back() + "\\" + longest);
    }
    w.item(chain[Deepest], "Deepest", "text");
    w.add("Scrivlet", "Two");
    w.add("Scrivlet\\Two", "Below");
    const Keys before = w.folders();
    w.click(chain[Deepest]);
    w.menu().mFolderAdd.userChoose();
    w.drag("Scrivlet\\Two\\Below", chain[Deepest]);
    w.drag("Scrivlet\\Two", chain[Deepest - 1]);
    w.drag("Scrivlet\\Two", chain[Deepest - 1], ui::vbCtrlMask);
    EXPECT_EQ(w.folders(), before);
    EXPECT_EQ(w.tree().editingNode(), nullptr);

    w.drag("Scrivlet\\Two", chain[Deepest - 2], ui::vbCtrlMask);
    EXPECT_EQ(notes::folderDepth(w.folders().back()), Deepest);
    const std::string renamed = repeated("\u00e9", 255);
    w.rename(chain[1], renamed);
    EXPECT_EQ(w.items(),
              Keys{"Deepest@Scrivlet\\" + renamed + chain[Deepest].substr(chain[1].size()) + ":text"});
    w.click("Scrivlet\\" + renamed);
    w.menu().mFolderDelete.userChoose();
    EXPECT_EQ(notes::folderDepth(w.folders().back()), Deepest);
    EXPECT_TRUE(w.folders().back().starts_with("Trash\\" + renamed));
    w.click("Trash");
    w.menu().mFolderTrashEmpty.userChoose();
    EXPECT_EQ(w.folders(), (Keys{"Scrivlet", "Trash", "Scrivlet\\Two", "Scrivlet\\Two\\Below"}));
    EXPECT_EQ(w.store().ItemCount, 0);
}

} // namespace
