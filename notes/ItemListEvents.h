#pragma once

#include "notes/ItemCommands.h"
#include "notes/ItemList.h"
#include "notes/ItemTextBinding.h"
#include "notes/NotesControls.h"
#include "ui/Platform.h"

#include <cstdint>

namespace notes {

// What the item list's own events do: a click binds the text box, starting a label edit stores pending
// typing, the Delete key deletes, and the right button pops up the Item menu.
class ItemListEvents {
public:
    ItemListEvents(NotesControls& controls, ItemTextBinding& text, ItemList& list, ItemCommands& commands,
                   ui::Platform& platform);

private:
    void lItem_BeforeLabelEdit(int16_t& cancel);
    void lItem_ItemClick();
    void lItem_KeyUp(int16_t keyCode, int16_t shift);
    void lItem_MouseUp(int16_t button, int16_t shift, int x, int y);

    ui::ListView& lItem;
    NotesMenus& menus_;
    ItemTextBinding& text_;
    ItemList& list_;
    ItemCommands& commands_;
    ui::Platform& platform_;
};

} // namespace notes
