#pragma once

#include "notes/FolderCommands.h"
#include "notes/FolderTransfer.h"
#include "notes/ItemList.h"
#include "notes/ItemTextBinding.h"
#include "notes/NotesControls.h"
#include "notes/NotesStore.h"
#include "ui/Platform.h"

#include <cstdint>
#include <string>

namespace notes {

// The folder tree's own gestures besides selecting a folder: renaming in place, the Delete key, the
// Folder menu as a pop-up, and dragging a folder onto another to move it or, with a modifier key held,
// to copy it.
class FolderTreeEvents {
public:
    FolderTreeEvents(NotesStore& store, NotesControls& controls, ItemTextBinding& text, const ItemList& list,
                     FolderCommands& commands, FolderTransfer& transfer, ui::Platform& platform);

private:
    void lTre_BeforeLabelEdit(int16_t& Cancel);
    void lTre_AfterLabelEdit(int16_t& Cancel, const std::string& NewString);
    void lTre_KeyUp(int16_t KeyCode);
    void lTre_MouseDown(int x, int y);
    void lTre_MouseUp(int16_t Button, int x, int y);
    void lTre_OLEStartDrag();
    void lTre_OLEDragOver(int x, int y);
    void lTre_OLEDragDrop(int16_t Shift, int x, int y);
    void lTre_OLECompleteDrag();

    NotesStore& store_;
    ui::TreeView& lTre;
    NotesMenus& menus_;
    ItemTextBinding& text_;
    const ItemList& list_;
    FolderCommands& commands_;
    FolderTransfer& transfer_;
    ui::Platform& platform_;
    // 1 while a drag that started in the tree is under way, else 0.
    int16_t DragState = 0;
    // The folder whose node was under the mouse at the last button press in the tree.
    int16_t DragFolder = 0;
};

} // namespace notes
