#pragma once

#include "ui/Signal.h"

#include <cstdint>
#include <string>
#include <utility>

namespace ui {

// In-place editing of an entry's text, shared by the tree view (nodes) and the list view (entries).
// BeforeLabelEdit may cancel the start; AfterLabelEdit may cancel the new text, and its handler may even
// remove the edited entry, which then stays removed. An edit cancelled by the user raises no
// AfterLabelEdit.
template <typename Entry> class LabelEditing {
public:
    Entry* EditingEntry() const { return editing_; }
    // While AfterLabelEdit runs: the user ended the edit with Enter or Tab, not by leaving it (a click
    // elsewhere, a command).
    bool LabelEditConfirmedByKey() const { return confirmedByKey_; }

    Signal<int16_t&> BeforeLabelEdit;
    Signal<int16_t&, std::string&> AfterLabelEdit;
    // For the skin: an edit has begun or ended.
    Signal<> LabelEditChanged;

protected:
    void beginEdit(Entry* entry) {
        if (entry == nullptr || editing_ != nullptr)
            return;
        int16_t cancel = 0;
        BeforeLabelEdit(cancel);
        if (cancel != 0)
            return;
        editing_ = entry;
        LabelEditChanged();
    }

    void endEdit(std::string newText, bool confirmedByKey = false) {
        Entry* entry = editing_;
        if (entry == nullptr)
            return;
        int16_t cancel = 0;
        confirmedByKey_ = confirmedByKey;
        AfterLabelEdit(cancel, newText);
        confirmedByKey_ = false;
        // A handler that removed the entry has cleared editing_ through forgetEdited.
        if (cancel == 0 && editing_ == entry)
            entry->setText(std::move(newText));
        editing_ = nullptr;
        LabelEditChanged();
    }

    void cancelEdit() {
        if (editing_ == nullptr)
            return;
        editing_ = nullptr;
        LabelEditChanged();
    }

    void forgetEdited(const Entry* removed) {
        if (editing_ == removed)
            editing_ = nullptr;
    }

private:
    Entry* editing_ = nullptr;
    bool confirmedByKey_ = false;
};

} // namespace ui
