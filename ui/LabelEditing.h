#pragma once

#include "ui/Signal.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace ui {

// In-place editing of an entry's text, shared by the tree view (nodes) and the list view (entries).
// BeforeLabelEdit may cancel the start; AfterLabelEdit may cancel the new text, and its handler may even
// remove the edited entry, which then stays removed. An edit cancelled by the user raises no
// AfterLabelEdit.
//
// An edit ends on Enter, Tab or Shift+Tab, Escape, or by leaving it: a click elsewhere, or a press on the
// view or a menu command, which complete it first (completeLabelEdit) so that they find the entries as
// the user last saw them. Tab and Shift+Tab also move the keyboard on, as Tab does elsewhere; no editor
// opens on another entry by itself.
template <typename Entry> class LabelEditing {
public:
    Entry* editingEntry() const { return editing_; }
    // While AfterLabelEdit runs: the user ended the edit with Enter or Tab, not by leaving it (a click
    // elsewhere, a command).
    bool labelEditConfirmedByKey() const { return confirmedByKey_; }

    // The skin installs how an edit the control completes by itself takes the typed text: the skin
    // closes its editor and hands over what it held (nullopt: no editor open, the text stays as it was).
    using EditorCloser = std::function<std::optional<std::string>()>;
    void setEditorCloser(EditorCloser closer) { closer_ = std::move(closer); }

    // Gestures in the editor.
    void userEndLabelEdit(std::string newText) { endEdit(std::move(newText)); }
    void userConfirmLabelEdit(std::string newText) { endEdit(std::move(newText), true); }
    // Tab (`forward`) or Shift+Tab. The keyboard moves on before the edit ends, so that a handler that
    // sends it elsewhere has the last word.
    void userTabFromLabelEdit(std::string newText, bool forward) {
        if (editing_ == nullptr)
            return;
        FocusMoveRequested(forward);
        endEdit(std::move(newText), true);
    }
    void userCancelLabelEdit() { cancelEdit(); }

    // Ends an open edit with what the user typed, as leaving the editor would.
    void completeLabelEdit() {
        if (editing_ == nullptr)
            return;
        std::optional<std::string> typed = closer_ ? closer_() : std::nullopt;
        endEdit(typed ? std::move(*typed) : editing_->Text());
    }

    Signal<int16_t&> BeforeLabelEdit;
    Signal<int16_t&, std::string&> AfterLabelEdit;
    // For the skin: an edit has begun or ended; the keyboard moves on to the next control (true) or to the
    // previous one.
    Signal<> LabelEditChanged;
    Signal<bool> FocusMoveRequested;

protected:
    ~LabelEditing() = default;

    virtual Entry* entryWithKey(std::string_view key) const = 0;

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

    // A press while an edit is open completes it, then acts on the entry that was under the pointer (null:
    // none), found again by its key: the rename may have re-created entries and moved rows. False when that
    // entry went with the rename: the press only completed the edit.
    bool completeEditForPress(Entry*& pressed) {
        const bool onEntry = pressed != nullptr;
        const std::string key = onEntry ? pressed->Key() : std::string();
        completeLabelEdit();
        pressed = onEntry ? entryWithKey(key) : nullptr;
        return !onEntry || pressed != nullptr;
    }

private:
    Entry* editing_ = nullptr;
    bool confirmedByKey_ = false;
    EditorCloser closer_;
};

} // namespace ui
