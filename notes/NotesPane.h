#pragma once

#include "notes/FolderCommands.h"
#include "notes/FolderTransfer.h"
#include "notes/FolderTree.h"
#include "notes/FolderTreeEvents.h"
#include "notes/ItemCommands.h"
#include "notes/ItemList.h"
#include "notes/ItemListEvents.h"
#include "notes/ItemTextBinding.h"
#include "notes/NotesControls.h"
#include "notes/NotesStore.h"
#include "notes/NotesView.h"
#include "ui/Platform.h"

namespace notes {

// The notes half of the main window: the store, what the views show of it, and the tree, list and text
// sides that keep the controls and the store in step.
class NotesPane {
public:
    NotesPane(NotesControls controls, ui::Platform& platform);
    NotesPane(const NotesPane&) = delete;
    NotesPane& operator=(const NotesPane&) = delete;

    NotesStore& store() { return store_; }
    const NotesStore& store() const { return store_; }
    NotesView view() const {
        return {.SelFolder = list_.SelFolder(),
                .SelItem = text_.SelItem(),
                .TextDirty = text_.TextDirty(),
                .ShownFolder = list_.ShownFolder(),
                .ShownItem = text_.ShownItem(),
                .MenuKind = list_.MenuKind()};
    }

    // The store's two fixed folders; set once at start-up.
    void initialiseStore();

    FolderTree& tree() { return tree_; }
    ItemList& list() { return list_; }
    const ItemClipboard& clipboard() const { return items_.clipboard(); }

private:
    NotesControls controls_;
    // The pop-up menus over the tree and the list, and the event pump before an item's label edit.
    ui::Platform& platform_;
    NotesStore store_;
    ItemTextBinding text_{store_, controls_.lText};
    ItemList list_{store_, controls_, text_};
    FolderTree tree_{store_, controls_.lTre, list_};
    ItemCommands items_{store_, controls_, text_, list_, platform_};
    ItemListEvents listEvents_{controls_, text_, list_, items_, platform_};
    FolderTransfer transfer_{store_, controls_.lTre, tree_, text_, list_};
    FolderCommands folderCommands_{store_, controls_, text_, list_, tree_, transfer_};
    FolderTreeEvents treeEvents_{store_, controls_, text_, list_, folderCommands_, transfer_, platform_};
};

} // namespace notes
