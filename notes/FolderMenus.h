#pragma once

#include "notes/NotesControls.h"

#include <cstdint>

namespace notes {

// Sets the Folder and Item menu entries to the states of a folder kind (ordinary, root, Trash, inside
// Trash). Menu states go by the kind of the selected folder only, never by the item selection.
void UpdateFolderMenus(const NotesMenus& menus, int16_t kind);

} // namespace notes
