#pragma once

#include "ui/MenuEntry.h"

#include <array>

namespace app {

// The menu bar of the main window, built from one table, with a named handle on every entry.
struct MainMenu {
    explicit MainMenu(ui::Control& window);

    ui::MenuBar Bar;

    ui::MenuEntry& mFolder;
    ui::MenuEntry& mFolderAdd;
    ui::MenuEntry& mFolder1;
    ui::MenuEntry& mFolderRename;
    ui::MenuEntry& mFolderTrashLine;
    ui::MenuEntry& mFolderTrashEmpty;
    ui::MenuEntry& mFolder2;
    ui::MenuEntry& mFolderDelete;

    ui::MenuEntry& mItem;
    ui::MenuEntry& mItemAdd;
    ui::MenuEntry& mItem1;
    ui::MenuEntry& mItemRename;
    ui::MenuEntry& mItem2;
    std::array<ui::MenuEntry*, 3> mItemCopy;
    ui::MenuEntry& mItem3;
    ui::MenuEntry& mItemDelete;

    ui::MenuEntry& mText;
    ui::MenuEntry& mTextFind;
    ui::MenuEntry& mTextFindNext;

    ui::MenuEntry& mNumbraMenu;
    ui::MenuEntry& mNumbraShow;
    ui::MenuEntry& mNumbra1;
    std::array<ui::MenuEntry*, 7> mNumbra;

    ui::MenuEntry& mDateMenu;
    ui::MenuEntry& mDateShow;

    ui::MenuEntry& mOptions;
    ui::MenuEntry& mOptionsAbout;
    ui::MenuEntry& mOptions1;
    ui::MenuEntry& mOptionsPassword;
    ui::MenuEntry& mOptionsSettings;
    ui::MenuEntry& mOptions2;
    ui::MenuEntry& mOptionsFile;
    std::array<ui::MenuEntry*, 3> mFileMenu;
    ui::MenuEntry& mFile1;
    ui::MenuEntry& mFileSave;
    ui::MenuEntry& mFileSaveQuit;
};

} // namespace app
