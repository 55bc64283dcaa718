#include "notes/FolderTreeEvents.h"

#include "notes/NameRules.h"
#include "ui/Input.h"

namespace notes {

FolderTreeEvents::FolderTreeEvents(NotesStore& store, NotesControls& controls, ItemTextBinding& text,
                                   const ItemList& list, FolderCommands& commands, FolderTransfer& transfer,
                                   ui::Platform& platform)
    : store_(store), lTre(controls.lTre), menus_(controls.menus), text_(text), list_(list),
      commands_(commands), transfer_(transfer), platform_(platform) {
    lTre.BeforeLabelEdit.connect([this](int16_t& cancel) { lTre_BeforeLabelEdit(cancel); });
    lTre.AfterLabelEdit.connect(
        [this](int16_t& cancel, std::string& newString) { lTre_AfterLabelEdit(cancel, newString); });
    lTre.KeyUp.connect([this](int16_t keyCode, int16_t) { lTre_KeyUp(keyCode); });
    lTre.MouseDown.connect([this](int16_t, int16_t, int x, int y) { lTre_MouseDown(x, y); });
    lTre.MouseUp.connect([this](int16_t button, int16_t, int x, int y) { lTre_MouseUp(button, x, y); });
    lTre.OLEStartDrag.connect([this] { lTre_OLEStartDrag(); });
    lTre.OLEDragOver.connect([this](int x, int y) { lTre_OLEDragOver(x, y); });
    lTre.OLEDragDrop.connect([this](int16_t shift, int x, int y) { lTre_OLEDragDrop(shift, x, y); });
    lTre.OLECompleteDrag.connect([this] { lTre_OLECompleteDrag(); });
}

// The root and the Trash keep their names; folders inside Trash may be renamed.
void FolderTreeEvents::lTre_BeforeLabelEdit(int16_t& Cancel) {
    text_.StoreItemText();
    if (list_.SelFolder() < 3)
        Cancel = 1;
}

// The node's text is never set by the edit itself: a rename re-creates the folder (and its subtree) at
// the end of the table under the new name, and the old node goes. A name the folder name rule refuses is
// refused like a sibling's name: the label reverts.
void FolderTreeEvents::lTre_AfterLabelEdit(int16_t& Cancel, const std::string& NewString) {
    Cancel = 1;
    if (!isAcceptableFolderName(NewString))
        return;
    const int at = list_.SelFolder();
    const std::string source = store_.FolderParent(at) + "\\" + store_.FolderName(at);
    std::string destination = store_.FolderParent(at) + "\\" + NewString;
    if (store_.FolderExists(destination))
        return;
    transfer_.TransferFolder(source, std::move(destination), TransferMove);
}

void FolderTreeEvents::lTre_KeyUp(int16_t KeyCode) {
    if (KeyCode == ui::vbKeyDelete && menus_.mFolderDelete.Enabled())
        commands_.mFolderDelete_Click();
}

// The drag source is the folder under the press, which need not be the selected one; a press beside
// the nodes keeps the last one.
void FolderTreeEvents::lTre_MouseDown(int x, int y) {
    if (const ui::TreeNode* node = lTre.HitTest(x, y))
        DragFolder = static_cast<int16_t>(node->Index());
}

// The pop-up acts on the selected folder, which a right click does not change.
void FolderTreeEvents::lTre_MouseUp(int16_t Button, int x, int y) {
    if (Button == ui::vbRightButton)
        platform_.popupMenu(menus_.mFolder, lTre.Name(), x, y, &menus_.mFolderRename);
}

void FolderTreeEvents::lTre_OLEStartDrag() {
    text_.StoreItemText();
    DragState = 1;
}

void FolderTreeEvents::lTre_OLEDragOver(int x, int y) {
    lTre.setDropHighlight(lTre.HitTest(x, y));
}

// Folders reach Trash only by the delete command, so nothing is dropped into it. Dropping onto the
// folder itself, below it or onto its own parent is refused by the transfer. A drag source that no
// longer names a folder (the table shrank since the press) ends the drop like any other failure.
void FolderTreeEvents::lTre_OLEDragDrop(int16_t Shift, int x, int y) {
    text_.StoreItemText();
    const ui::TreeNode* node = lTre.HitTest(x, y);
    if (node == nullptr || DragState != 1)
        return;
    const int target = node->Index();
    if (target < 1 || target > store_.lastFolder() || DragFolder < 1 || DragFolder > store_.lastFolder())
        return;
    const int dragged = DragFolder;
    if (store_.FolderParent(dragged).empty())
        return;
    const int onto = target;
    if (store_.FolderParent(onto).starts_with("Trash") ||
        store_.FolderParent(onto) + store_.FolderName(onto) == "Trash")
        return;
    std::string destination = store_.FolderKey(target) + "\\" + store_.FolderName(dragged);
    const std::string source = store_.FolderParent(dragged) + "\\" + store_.FolderName(dragged);
    transfer_.TransferFolder(source, std::move(destination), Shift == 0 ? TransferMove : TransferCopy);
}

void FolderTreeEvents::lTre_OLECompleteDrag() {
    lTre.setDropHighlight(nullptr);
    DragState = 0;
}

} // namespace notes
