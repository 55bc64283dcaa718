#pragma once

#include "ui/Control.h"
#include "ui/FlatKeyMap.h"
#include "ui/Input.h"
#include "ui/LabelEditing.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class ListView;

// A colour as the BASIC RGB function builds it: red + 256 * green + 65536 * blue.
constexpr uint32_t rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return red | (static_cast<uint32_t>(green) << 8) | (static_cast<uint32_t>(blue) << 16);
}

// An entry of a list view. Its index is its 1-based position in the list.
class ListItem {
public:
    int Index() const { return index_; }
    const std::string& Key() const { return key_; }
    const std::string& Text() const { return text_; }
    // A new text does not move the entry, also in sorted mode: the list sorts when entries are added
    // and when sorting is switched on.
    void setText(std::string text);
    int SmallIcon() const { return smallIcon_; }
    void setSmallIcon(int icon);
    uint32_t ForeColor() const { return foreColor_; }
    void setForeColor(uint32_t colour);
    // Shown when the pointer rests on the entry, and read by a screen reader after its text.
    const std::string& ToolTipText() const { return toolTipText_; }
    void setToolTipText(std::string text);
    bool Selected() const { return selected_; }
    // Selecting an entry also gives it the selection focus; in single-select mode it deselects the others.
    void setSelected(bool selected);

private:
    friend class ListView;
    friend class ListItemCollection;
    ListView* list_ = nullptr;
    int index_ = 0;
    std::string key_;
    std::string text_;
    int smallIcon_ = 0;
    uint32_t foreColor_ = 0;
    std::string toolTipText_;
    bool selected_ = false;
};

// The ListItems collection of a list view.
class ListItemCollection {
public:
    explicit ListItemCollection(ListView& list) : list_(list) {}
    // Its index and lists point into its own pool.
    ListItemCollection(const ListItemCollection&) = delete;
    ListItemCollection& operator=(const ListItemCollection&) = delete;

    // Adds an entry after the others, or at its place in text order while the list is sorted. Keys are
    // unique: a key in use adds nothing and returns nullptr. Adding selects nothing.
    ListItem* Add(std::string key, std::string text, int smallIcon = 0);
    void Remove(int index);
    void Clear();

    ListItem& operator()(int index) const { return *items_.at(static_cast<std::size_t>(index - 1)); }
    int Count() const { return static_cast<int>(items_.size()); }
    ListItem* find(std::string_view key) const;

private:
    friend class ListView;
    void renumberFrom(std::size_t position);
    ListItem* newItem();

    ListView& list_;
    std::vector<ListItem*> items_;
    // Entries live in a pool that never moves them; removed ones are reused, so refilling the list
    // allocates no entry that an earlier fill made already.
    std::deque<ListItem> pool_;
    std::vector<ListItem*> free_;
    struct KeyOfItem {
        std::string_view operator()(const ListItem& item) const { return item.key_; }
    };
    FlatKeyMap<ListItem, KeyOfItem> byKey_;
};

// One change of a list view's selection. Entries first to last (positions from 1; none when last is
// below first) are now all selected, or all deselected, as `selected` says; with `othersDeselected`
// every entry outside them is now deselected, else the others kept their selection. A click, a Shift
// range or "everything but the new entry" is one such change, however many entries it touches.
struct ListSelectionChange {
    int first = 1;
    int last = 0;
    bool selected = true;
    bool othersDeselected = false;
};

// A list view showing entries with a small icon.
//
// Rules this control decides by itself:
// - SelectedItem is the entry with the selection focus: the entry selected last. When that entry is
//   deselected, the focus moves to the first entry still selected, or to none. So whenever exactly one
//   entry is selected, SelectedItem is that entry.
// - Sorted order is ascending text order, letters compared without regard to case; equal texts keep the
//   order in which they were added.
// - A click selects the clicked entry alone; with Ctrl (multi-select lists only) it toggles the entry;
//   with Shift it selects the range from the last clicked entry. Each such click raises ItemClick and
//   then MouseUp. A right-button click changes no selection and raises MouseUp only. A click on the
//   empty part of the list deselects everything and raises MouseUp only.
// - Moving to an entry with the keyboard selects it as a click with the same modifiers would, and raises
//   ItemClick without MouseUp.
//
// How it reads the skin's raw gestures (userPress and the others below):
// - A left press clicks at once, on an entry or beside the entries; the right button acts on its
//   release, where it raises MouseUp.
// - A slow second click, a plain left press on the entry that is the only one selected, opens its label
//   for editing when the double-click interval ends, unless another press or a double click comes first
//   or the list loses the keyboard meanwhile: the user has gone elsewhere, and an editor opening there
//   would take what is typed.
// - A press while a label is edited completes the edit first and then acts on the entry it was aimed
//   at, wherever the rename moved it (LabelEditing); when the rename removed that entry, the press only
//   completed the edit.
// - Space clicks the entry in the keyboard row, with the modifiers held. Other keys move the keyboard
//   row unless a label is edited; the entry it moves to is selected as a click with Shift would, except
//   with Ctrl, which moves the keyboard row alone, so that Ctrl+Space can then add the entry. The
//   context-menu key raises MouseUp with the right button at the keyboard row's point.
class ListView : public Control, public LabelEditing<ListItem> {
public:
    ListView(std::string name, Control* container);

    ListItemCollection ListItems{*this};

    bool Sorted() const { return sorted_; }
    void setSorted(bool sorted);
    bool MultiSelect() const { return multiSelect_; }
    void setMultiSelect(bool multiSelect);
    ListItem* SelectedItem() const { return focus_; }
    // Begins editing the text of the entry with the selection focus; BeforeLabelEdit may cancel it.
    void StartLabelEdit() { beginEdit(focus_); }
    ListItem* editingItem() const { return editingEntry(); }
    // Selects `item` and deselects every other entry, as one change.
    void selectOnly(ListItem& item) { selectAlone(&item); }

    // Raw gestures, as the skin reads them from its widget with the row already found. A key press
    // answers whether the widget may move its keyboard row, which it then reports with userKeyboardMove;
    // that answers whether the widget keeps the row where it moved it.
    void userPress(int16_t button, int16_t shift, Hit hit);
    void userRelease(int16_t button, Hit hit);
    void userDoubleClick(int16_t button, int16_t shift, Hit hit);
    void userDoubleClickIntervalEnded();
    bool userKeyDown(int16_t keyCode, int16_t shift, Hit keyboardRow);
    bool userKeyboardMove(int index, int16_t shift);
    void userKeyRelease(int16_t keyCode, int16_t shift);
    void userContextMenuKey(Hit keyboardRow);
    void userLostFocus() { slowClick_.reset(); }

    // What the raw gestures amount to, for callers that state a gesture directly.
    void userClickItem(int index, int16_t shift = 0);
    void userSelectWithKeyboard(int index, int16_t shift = 0);
    void userClickEmpty();
    void userRightClick(Point at);
    void userKeyUp(int16_t keyCode, int16_t shift);

    // Events for the form.
    Signal<ListItem&> ItemClick;
    Signal<int16_t, int16_t> KeyUp;
    Signal<int16_t, int16_t, int, int> MouseUp;

    // Notifications for the skin, each change of the entries announced before and after it is made;
    // positions count from 1. ItemChanged is for what an entry shows; the selection is reported apart,
    // after it changed, one SelectionChanged per gesture.
    Signal<int> ItemAboutToBeInserted;
    Signal<int> ItemInserted;
    Signal<int> ItemAboutToBeRemoved;
    Signal<int> ItemRemoved;
    Signal<> ItemsAboutToBeReset;
    Signal<int> ItemChanged;
    Signal<> ItemsReset;
    Signal<const ListSelectionChange&> SelectionChanged;
    Signal<> FocusChanged;

protected:
    ListItem* entryWithKey(std::string_view key) const override { return ListItems.find(key); }

private:
    friend class ListItem;
    friend class ListItemCollection;
    void setItemSelected(ListItem& item, bool selected);
    void setFocus(ListItem* item);
    void forgetRemoved(ListItem& item);
    // Selects `item` (none: nothing) and deselects all others, and gives it the selection focus.
    void selectAlone(ListItem* item);
    void selectRange(int from, int to);
    // Selects entry `index` as a click or key with the modifiers `shift` does; false when there is no such
    // entry or the list takes no input.
    bool selectByGesture(int index, int16_t shift);
    // The one entry selected, or none when fewer or more are.
    ListItem* soleSelected() const;

    bool sorted_ = false;
    bool multiSelect_ = false;
    ListItem* focus_ = nullptr;
    ListItem* anchor_ = nullptr;
    // The key of the entry a slow second click will rename when the double-click interval ends.
    std::optional<std::string> slowClick_;
};

} // namespace ui
