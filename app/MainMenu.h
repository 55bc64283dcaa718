#pragma once

#include "ui/MenuEntry.h"

#include <array>
#include <cstdint>

namespace app {

// The menu bar of the main window. Each member is one entry, written once: its name, index, caption,
// shortcut and design state. Members are built in declaration order, which is the menu order, so the
// declarations below are the menu table itself. The entries whose state goes by folder kind start in
// the ordinary folder's state with the two Trash entries visible; start-up brings them to the root's.
struct MainMenu {
    explicit MainMenu(ui::Control& window) : bar(window) {}

    ui::MenuBar bar;

private:
    enum State { Enabled, Disabled, Hidden };
    static ui::MenuEntry& entry(ui::MenuEntry& menu, const char* name, int index, const char* caption,
                                const char* shortcut = "", State state = Enabled);
    static ui::MenuEntry& entry(ui::MenuEntry& menu, const char* name, const char* caption,
                                const char* shortcut = "", State state = Enabled) {
        return entry(menu, name, -1, caption, shortcut, state);
    }

public:
    ui::MenuEntry& mFolder = bar.addMenu("mFolder", "&Folder");
    ui::MenuEntry& mFolderAdd = entry(mFolder, "mFolderAdd", "&Add");
    ui::MenuEntry& mFolder1 = entry(mFolder, "mFolder1", "-");
    ui::MenuEntry& mFolderRename = entry(mFolder, "mFolderRename", "&Rename", "F2");
    ui::MenuEntry& mFolderTrashLine = entry(mFolder, "mFolderTrashLine", "-");
    ui::MenuEntry& mFolderTrashEmpty = entry(mFolder, "mFolderTrashEmpty", "Empt&y Trash folder");
    ui::MenuEntry& mFolder2 = entry(mFolder, "mFolder2", "-");
    ui::MenuEntry& mFolderDelete = entry(mFolder, "mFolderDelete", "&Delete (Del)");

    ui::MenuEntry& mItem = bar.addMenu("mItem", "&Item");
    ui::MenuEntry& mItemAdd = entry(mItem, "mItemAdd", "&Add");
    ui::MenuEntry& mItem1 = entry(mItem, "mItem1", "-");
    ui::MenuEntry& mItemRename = entry(mItem, "mItemRename", "&Rename");
    ui::MenuEntry& mItem2 = entry(mItem, "mItem2", "-");
    std::array<ui::MenuEntry*, 3> mItemCopy = {&entry(mItem, "mItemCopy", 0, "&Copy", "Ctrl+C"),
                                               &entry(mItem, "mItemCopy", 1, "Cu&t", "Ctrl+X"),
                                               &entry(mItem, "mItemCopy", 2, "&Paste", "Ctrl+V")};
    ui::MenuEntry& mItem3 = entry(mItem, "mItem3", "-");
    ui::MenuEntry& mItemDelete = entry(mItem, "mItemDelete", "&Delete (Del)");

    ui::MenuEntry& mText = bar.addMenu("mText", "&Text");
    ui::MenuEntry& mTextFind = entry(mText, "mTextFind", "&Find...", "Ctrl+F", Disabled);
    ui::MenuEntry& mTextFindNext = entry(mText, "mTextFindNext", "Find &next", "F3", Disabled);

    // The slot entries of the Calculator menu, by their index in the control array mNumbra.
    enum NumbraEntry : int16_t {
        SlotEdit,
        SlotSaveResult,
        SlotSaveTerm,
        SlotAddToTerm,
        SlotUseAsTerm,
        SlotClear,
        SlotClearAll,
    };

    ui::MenuEntry& mNumbraMenu = bar.addMenu("mNumbraMenu", "&Calculator");
    ui::MenuEntry& mNumbraShow = entry(mNumbraMenu, "mNumbraShow", "Show");
    ui::MenuEntry& mNumbra1 = entry(mNumbraMenu, "mNumbra1", "-", "", Hidden);
    std::array<ui::MenuEntry*, 7> mNumbra = {
        &entry(mNumbraMenu, "mNumbra", SlotEdit, "&Edit", "", Hidden),
        &entry(mNumbraMenu, "mNumbra", SlotSaveResult, "Save &result here", "", Hidden),
        &entry(mNumbraMenu, "mNumbra", SlotSaveTerm, "Save &term here", "", Hidden),
        &entry(mNumbraMenu, "mNumbra", SlotAddToTerm, "&Add to term", "", Hidden),
        &entry(mNumbraMenu, "mNumbra", SlotUseAsTerm, "&Use as term", "", Hidden),
        &entry(mNumbraMenu, "mNumbra", SlotClear, "&Clear", "", Hidden),
        &entry(mNumbraMenu, "mNumbra", SlotClearAll, "Clear a&l&l", "", Hidden)};

    ui::MenuEntry& mDateMenu = bar.addMenu("mDateMenu", "&Scheduler");
    ui::MenuEntry& mDateShow = entry(mDateMenu, "mDateShow", "Show");

    ui::MenuEntry& mOptions = bar.addMenu("mOptions", "&Options");
    ui::MenuEntry& mOptionsAbout = entry(mOptions, "mOptionsAbout", "About", "F1");
    ui::MenuEntry& mOptions1 = entry(mOptions, "mOptions1", "-");
    ui::MenuEntry& mOptionsPassword = entry(mOptions, "mOptionsPassword", "&Password", "", Disabled);
    ui::MenuEntry& mOptionsSettings = entry(mOptions, "mOptionsSettings", "&Settings", "", Disabled);
    ui::MenuEntry& mOptions2 = entry(mOptions, "mOptions2", "-");
    ui::MenuEntry& mOptionsFile = entry(mOptions, "mOptionsFile", "File");
    std::array<ui::MenuEntry*, 3> mFileMenu = {&entry(mOptionsFile, "mFileMenu", 0, "&New", "", Disabled),
                                               &entry(mOptionsFile, "mFileMenu", 1, "&Reload", "", Disabled),
                                               &entry(mOptionsFile, "mFileMenu", 2, "&Discard && quit")};
    ui::MenuEntry& mFile1 = entry(mOptionsFile, "mFile1", "-");
    ui::MenuEntry& mFileSave = entry(mOptionsFile, "mFileSave", "&Save", "", Disabled);
    ui::MenuEntry& mFileSaveQuit = entry(mOptions, "mFileSaveQuit", "Save && &Quit", "", Disabled);
};

} // namespace app
