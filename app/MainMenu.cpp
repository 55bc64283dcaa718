#include "app/MainMenu.h"

#include <stdexcept>
#include <string>

namespace app {

namespace {

// One row per entry in menu order. Depth 0 is a menu of the bar, 1 an entry of it, 2 an entry of a
// submenu. The states are those the window is designed with; the folder-kind entries start in the
// ordinary folder's state with the two Trash entries visible, and start-up brings them to the root's.
struct MenuRow {
    int depth;
    const char* name;
    int index;
    const char* caption;
    const char* shortcut;
    bool enabled;
    bool visible;
};

constexpr MenuRow MenuTable[] = {
    {0, "mFolder", -1, "&Folder", "", true, true},
    {1, "mFolderAdd", -1, "&Add", "", true, true},
    {1, "mFolder1", -1, "-", "", true, true},
    {1, "mFolderRename", -1, "&Rename", "F2", true, true},
    {1, "mFolderTrashLine", -1, "-", "", true, true},
    {1, "mFolderTrashEmpty", -1, "Empt&y Trash folder", "", true, true},
    {1, "mFolder2", -1, "-", "", true, true},
    {1, "mFolderDelete", -1, "&Delete (Del)", "", true, true},

    {0, "mItem", -1, "&Item", "", true, true},
    {1, "mItemAdd", -1, "&Add", "", true, true},
    {1, "mItem1", -1, "-", "", true, true},
    {1, "mItemRename", -1, "&Rename", "", true, true},
    {1, "mItem2", -1, "-", "", true, true},
    {1, "mItemCopy", 0, "&Copy", "Ctrl+C", true, true},
    {1, "mItemCopy", 1, "Cu&t", "Ctrl+X", true, true},
    {1, "mItemCopy", 2, "&Paste", "Ctrl+V", true, true},
    {1, "mItem3", -1, "-", "", true, true},
    {1, "mItemDelete", -1, "&Delete (Del)", "", true, true},

    {0, "mText", -1, "&Text", "", true, true},
    {1, "mTextFind", -1, "&Find...", "Ctrl+F", false, true},
    {1, "mTextFindNext", -1, "Find &next", "F3", false, true},

    {0, "mNumbraMenu", -1, "&Calculator", "", true, true},
    {1, "mNumbraShow", -1, "Show", "", true, true},
    {1, "mNumbra1", -1, "-", "", true, false},
    {1, "mNumbra", 0, "&Edit", "", true, false},
    {1, "mNumbra", 1, "Save &result here", "", true, false},
    {1, "mNumbra", 2, "Save &term here", "", true, false},
    {1, "mNumbra", 3, "&Add to term", "", true, false},
    {1, "mNumbra", 4, "&Use as term", "", true, false},
    {1, "mNumbra", 5, "&Clear", "", true, false},
    {1, "mNumbra", 6, "Clear a&l&l", "", true, false},

    {0, "mDateMenu", -1, "&Scheduler", "", true, true},
    {1, "mDateShow", -1, "Show", "", true, true},

    {0, "mOptions", -1, "&Options", "", true, true},
    {1, "mOptionsAbout", -1, "About", "F1", true, true},
    {1, "mOptions1", -1, "-", "", true, true},
    {1, "mOptionsPassword", -1, "&Password", "", false, true},
    {1, "mOptionsSettings", -1, "&Settings", "", false, true},
    {1, "mOptions2", -1, "-", "", true, true},
    {1, "mOptionsFile", -1, "File", "", true, true},
    {2, "mFileMenu", 0, "&New", "", false, true},
    {2, "mFileMenu", 1, "&Reload", "", false, true},
    {2, "mFileMenu", 2, "&Discard && quit", "", true, true},
    {2, "mFile1", -1, "-", "", true, true},
    {2, "mFileSave", -1, "&Save", "", false, true},
    {1, "mFileSaveQuit", -1, "Save && &Quit", "", false, true},
};

ui::MenuBar buildMenuBar(ui::Control& window) {
    ui::MenuBar bar(window);
    ui::MenuEntry* parents[3] = {};
    for (const MenuRow& row : MenuTable) {
        ui::MenuEntry& entry =
            row.depth == 0 ? bar.addMenu(row.name, row.caption)
                           : parents[row.depth - 1]->addEntry(row.name, row.index, row.caption, row.shortcut);
        entry.setEnabled(row.enabled);
        entry.setVisible(row.visible);
        parents[row.depth] = &entry;
    }
    return bar;
}

ui::MenuEntry& entry(const ui::MenuBar& bar, const char* name, int index = -1) {
    ui::MenuEntry* found = bar.find(name, index);
    if (found == nullptr)
        throw std::logic_error(std::string("menu entry missing from the table: ") + name);
    return *found;
}

} // namespace

MainMenu::MainMenu(ui::Control& window)
    : Bar(buildMenuBar(window)), mFolder(entry(Bar, "mFolder")), mFolderAdd(entry(Bar, "mFolderAdd")),
      mFolder1(entry(Bar, "mFolder1")), mFolderRename(entry(Bar, "mFolderRename")),
      mFolderTrashLine(entry(Bar, "mFolderTrashLine")), mFolderTrashEmpty(entry(Bar, "mFolderTrashEmpty")),
      mFolder2(entry(Bar, "mFolder2")), mFolderDelete(entry(Bar, "mFolderDelete")),
      mItem(entry(Bar, "mItem")), mItemAdd(entry(Bar, "mItemAdd")), mItem1(entry(Bar, "mItem1")),
      mItemRename(entry(Bar, "mItemRename")),
      mItem2(entry(Bar, "mItem2")), mItemCopy{&entry(Bar, "mItemCopy", 0), &entry(Bar, "mItemCopy", 1),
                                              &entry(Bar, "mItemCopy", 2)},
      mItem3(entry(Bar, "mItem3")), mItemDelete(entry(Bar, "mItemDelete")), mText(entry(Bar, "mText")),
      mTextFind(entry(Bar, "mTextFind")), mTextFindNext(entry(Bar, "mTextFindNext")),
      mNumbraMenu(entry(Bar, "mNumbraMenu")), mNumbraShow(entry(Bar, "mNumbraShow")),
      mNumbra1(entry(Bar, "mNumbra1")), mNumbra{&entry(Bar, "mNumbra", 0), &entry(Bar, "mNumbra", 1),
                                                &entry(Bar, "mNumbra", 2), &entry(Bar, "mNumbra", 3),
                                                &entry(Bar, "mNumbra", 4), &entry(Bar, "mNumbra", 5),
                                                &entry(Bar, "mNumbra", 6)},
      mDateMenu(entry(Bar, "mDateMenu")), mDateShow(entry(Bar, "mDateShow")),
      mOptions(entry(Bar, "mOptions")), mOptionsAbout(entry(Bar, "mOptionsAbout")),
      mOptions1(entry(Bar, "mOptions1")), mOptionsPassword(entry(Bar, "mOptionsPassword")),
      mOptionsSettings(entry(Bar, "mOptionsSettings")), mOptions2(entry(Bar, "mOptions2")),
      mOptionsFile(entry(Bar, "mOptionsFile")), mFileMenu{&entry(Bar, "mFileMenu", 0),
                                                          &entry(Bar, "mFileMenu", 1),
                                                          &entry(Bar, "mFileMenu", 2)},
      mFile1(entry(Bar, "mFile1")), mFileSave(entry(Bar, "mFileSave")),
      mFileSaveQuit(entry(Bar, "mFileSaveQuit")) {}

} // namespace app
