#pragma once

#include "app/AboutBox.h"
#include "app/MainControls.h"

namespace app {

// Where the keyboard goes when a step of the program ends with the control that held it disabled or
// hidden: to the control the user acts on next, never to nowhere.
// - The main window disabled by the about box: the box, which one click closes; the holder gets the
//   keyboard back as the box gives the window back.
// - The scheduler's editor shut while the panel stays open (the month shown does not hold the new day
//   at midnight, the all-entries view without entries): the date list, where a day is opened, or the
//   "Today" button when the list has no rows.
// - Anything else, a panel hidden while one of its controls held the keyboard or the note box shut for
//   want of a note: the notes, the note box when it is open, else the item list when it lists items,
//   else the folder tree.
ui::Control* nextKeyboardHolder(MainControls& controls, AboutBox& about, const ui::Control& holder);

} // namespace app
