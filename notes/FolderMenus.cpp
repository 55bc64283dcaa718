#include "notes/FolderMenus.h"

namespace notes {

namespace {

enum class MenuProperty { Enabled, Visible };

// One entry's state by kind, in kind order: ordinary, root, Trash, inside Trash.
struct FolderMenuRow {
    ui::MenuEntry& entry;
    MenuProperty property;
    bool byKind[4];
};

} // namespace

void UpdateFolderMenus(const NotesMenus& m, int16_t kind) {
    const FolderMenuRow rows[] = {
        {m.mFolderAdd, MenuProperty::Enabled, {true, true, false, false}},
        {m.mFolderRename, MenuProperty::Enabled, {true, false, false, true}},
        {m.mFolderDelete, MenuProperty::Enabled, {true, false, false, true}},
        {m.mFolderTrashLine, MenuProperty::Visible, {false, false, true, false}},
        {m.mFolderTrashEmpty, MenuProperty::Visible, {false, false, true, false}},
        {m.mItemAdd, MenuProperty::Enabled, {true, false, false, false}},
        {m.mItemRename, MenuProperty::Enabled, {true, false, false, true}},
        {*m.mItemCopy[0], MenuProperty::Enabled, {true, false, false, false}},
        {*m.mItemCopy[1], MenuProperty::Enabled, {true, false, false, true}},
        {*m.mItemCopy[2], MenuProperty::Enabled, {true, false, false, false}},
        {m.mItemDelete, MenuProperty::Enabled, {true, false, false, true}},
    };
    for (const FolderMenuRow& row : rows) {
        const bool state = row.byKind[kind];
        if (row.property == MenuProperty::Enabled)
            row.entry.setEnabled(state);
        else
            row.entry.setVisible(state);
    }
}

} // namespace notes
