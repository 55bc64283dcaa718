#include "tests/notes/FolderWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using tests::FolderWindow;

// Gives a gesture by its name: a menu entry ("mItemCopy_2"), a click, a drag or closing the window.
// "gesture:name" then types the name into the label the gesture opened and leaves it; "gesture:name,
// ending" ends it with Enter, Tab, Shift+Tab, a menu entry or a press on node or entry n instead.
void give(FolderWindow& w, const std::string& gesture) {
    ui::ListView& list = w.controls().lItem;
    const std::string what = gesture.substr(0, gesture.find(':'));
    if (what.starts_with("m"))
        tests::entryNamed(w.menu().bar, what).userChoose();
    const std::size_t onto = what.find(" onto ");
    if (what == "close")
        w.controls().frmMain.userClose();
    else if (what == "click-empty")
        list.userClickEmpty();
    else if (what.starts_with("click "))
        w.click(what.substr(6));
    else if (what.starts_with("entry "))
        list.userClickItem(std::stoi(what.substr(6)));
    else if (what.starts_with("ctrl-entry "))
        list.userClickItem(std::stoi(what.substr(11)), ui::vbCtrlMask);
    else if (onto != std::string::npos)
        w.drag(what.substr(what.find(' ') + 1, onto - what.find(' ') - 1), what.substr(onto + 6),
               what.starts_with("ctrl") ? ui::vbCtrlMask : int16_t{0});
    else if (what == "cut-paste") {
        tests::entryNamed(w.menu().bar, "mItemCopy_1").userChoose();
        tests::entryNamed(w.menu().bar, "mItemCopy_2").userChoose();
    }
    if (gesture.find(':') == std::string::npos)
        return;
    const std::string typed = gesture.substr(gesture.find(':') + 1);
    const std::string name = typed.substr(0, typed.find(", "));
    const auto [ending, n] =
        tests::scriptSteps(typed.find(", ") == std::string::npos ? "leave" : typed).back();
    ui::TreeView& tree = w.tree();
    tree.setEditorCloser([name] { return std::optional(name); });
    list.setEditorCloser([name] { return std::optional(name); });
    if (ending == "leave" || ending == "Enter") {
        ending == "Enter" ? list.userConfirmLabelEdit(name) : list.userEndLabelEdit(name);
        ending == "Enter" ? tree.userConfirmLabelEdit(name) : tree.userEndLabelEdit(name);
    } else if (ending.ends_with("Tab")) {
        list.userTabFromLabelEdit(name, ending == "Tab");
        tree.userTabFromLabelEdit(name, ending == "Tab");
    } else if (ending == "press" && tree.editingNode() != nullptr) {
        tree.userPress(ui::vbLeftButton, 0, tests::on(n), false);
        tree.userRelease(ui::vbLeftButton, 0, tests::on(n), false);
    } else if (ending == "press") {
        list.userPress(ui::vbLeftButton, 0, tests::on(n));
    } else {
        tests::entryNamed(w.menu().bar, ending).userChoose();
    }
}

// Nodes 3 to 6 are Work, Home, Trash\Old and Work\Sub. The table holds t (in Trash), o (Trash\Old), a
// and b (Work) and h (Home) in this order, so that a note removed ahead of another shifts it down; the
// clipboard holds b. Where the keyboard is sent is noted in `keyboard`.
struct TypingWindow : FolderWindow {
    TypingWindow() {
        add("Scrivlet", "Work");
        add("Scrivlet", "Home");
        add("Trash", "Old");
        add("Scrivlet\\Work", "Sub");
        item("Trash", "t", "T");
        item("Trash\\Old", "o", "O");
        item("Scrivlet\\Work", "a", "A");
        item("Scrivlet\\Work", "b", "B");
        item("Scrivlet\\Home", "h", "H");
        click("Scrivlet\\Work");
        controls().lItem.userClickItem(2);
        menu().mItemCopy[0]->userChoose();
        tree().FocusMoveRequested.connect(
            [this](bool next) { keyboard += next ? ", lTre next" : ", lTre back"; });
        controls().lItem.FocusMoveRequested.connect(
            [this](bool next) { keyboard += next ? ", lItem next" : ", lItem back"; });
        controls().lText.FocusRequested.connect([this] { keyboard += ", lText"; });
    }
    std::string keyboard;
    // The items whose text holds the typing, as "name@folder:text".
    std::string typedIn() {
        std::string found;
        for (const std::string& item : items())
            found += item.find("typed") != std::string::npos ? (found.empty() ? "" : " ") + item : "";
        return found;
    }
};

// Typing not yet stored in the first entry of a folder, then each gesture that stores it, rebinds the
// text box or acts on the selected note: the typing ends in the note it was typed for, wherever that
// note went, or goes with the note when the note is deleted; it never reaches another note. Copy takes
// the text as stored, the typing staying in the text box.
TEST(CommandsWithTypingPending, TheTypingEndsInItsOwnNoteAndTheSelectionIsWhole) {
    struct Row {
        std::string gesture;
        std::string selection; // right after the gesture, and where the keyboard was sent
        std::string typedIn;   // once a click on Trash stored what was pending
        std::string clipboard = "b:B";
        std::string folder = "Scrivlet\\Work";
    };
    std::vector<Row> rows = {
        {"entry 2", "Scrivlet\\Work | a b* [B]", "a@Scrivlet\\Work:A typed"},
        {"entry 1", "Scrivlet\\Work | a* b [A typed]", "a@Scrivlet\\Work:A typed"},
        {"ctrl-entry 2", "Scrivlet\\Work | a* b* unbound", "a@Scrivlet\\Work:A typed"},
        {"click-empty", "Scrivlet\\Work | a b unbound", "a@Scrivlet\\Work:A typed"},
        {"click Scrivlet\\Work", "Scrivlet\\Work | a* b [A typed]", "a@Scrivlet\\Work:A typed"},
        {"click Scrivlet\\Home", "Scrivlet\\Home | h unbound", "a@Scrivlet\\Work:A typed"},
        {"close", "Scrivlet\\Work | a* b [A typed]", "a@Scrivlet\\Work:A typed"},
        {"mItemAdd:c", "Scrivlet\\Work | a b c* []", "a@Scrivlet\\Work:A typed"},
        {"mItemRename:d", "Scrivlet\\Work | b d* [A typed]", "d@Scrivlet\\Work:A typed"},
        {"mItemRename:b", "Scrivlet\\Work | a* b [A typed]", "a@Scrivlet\\Work:A typed"},
        {"mItemCopy_0", "Scrivlet\\Work | a* b [A typed]", "a@Scrivlet\\Work:A typed", "a:A"},
        {"mItemCopy_1", "Scrivlet\\Work | b unbound", "", "a:A typed"},
        {"cut-paste", "Scrivlet\\Work | b a unbound", "a@Scrivlet\\Work:A typed", "a:A typed"},
        {"mItemCopy_2", "Scrivlet\\Work | a b b unbound", "a@Scrivlet\\Work:A typed"},
        {"mItemDelete", "Scrivlet\\Work | b unbound", ""},
        {"mFolderAdd:New Folder", "Scrivlet\\Work\\New Folder | unbound", "a@Scrivlet\\Work:A typed"},
        {"mFolderRename:Home", "Scrivlet\\Work | a* b [A typed]", "a@Scrivlet\\Work:A typed"},
        {"mFolderDelete", "Scrivlet\\Home | h unbound", "a@Trash\\Work:A typed"},
        {"drag Scrivlet\\Work onto Scrivlet\\Home", "Scrivlet\\Home | h unbound",
         "a@Scrivlet\\Home\\Work:A typed"},
        {"ctrl-drag Scrivlet\\Work onto Scrivlet\\Home", "Scrivlet\\Work | a b unbound",
         "a@Scrivlet\\Work:A typed a@Scrivlet\\Home\\Work:A typed"},
        {"drag Scrivlet\\Work onto Trash", "Scrivlet\\Work | a* b [A typed]", "a@Scrivlet\\Work:A typed"},
        {"drag Scrivlet\\Home onto Scrivlet\\Work", "Scrivlet\\Work | a b unbound",
         "a@Scrivlet\\Work:A typed"},
        {"mFolderRename:Job, press 4", "Scrivlet\\Home | h unbound", "a@Scrivlet\\Job:A typed"},
        {"mFolderRename:Job, press 6", "Scrivlet\\Home | h unbound", "a@Scrivlet\\Job:A typed"},
        {"mFolderRename:Job, mFolderAdd", "Scrivlet\\Home\\New Folder | unbound", "a@Scrivlet\\Job:A typed"},
        {"mFolderRename:Job, Shift+Tab", "Scrivlet\\Home | h unbound, lTre back", "a@Scrivlet\\Job:A typed"},
        {"mItemRename:Zed, press 2", "Scrivlet\\Work | b* Zed [B]", "Zed@Scrivlet\\Work:A typed"},
        {"mItemRename:Zed, mItemCopy_2", "Scrivlet\\Work | Zed b b unbound", "Zed@Scrivlet\\Work:A typed"},
        {"mItemAdd:Zed, Enter", "Scrivlet\\Work | a b Zed* [], lText", "a@Scrivlet\\Work:A typed"},
        {"mItemAdd:Zed, Tab", "Scrivlet\\Work | a b Zed* [], lItem next, lText", "a@Scrivlet\\Work:A typed"},
        {"mFolderTrashEmpty", "Trash | unbound", "", "b:B", "Trash"},
        {"mFolderDelete", "Trash | t unbound", "", "b:B", "Trash\\Old"},
        {"mItemCopy_1", "Trash\\Old | unbound", "", "o:O typed", "Trash\\Old"},
    };
    // Every other command acts away from the notes: the typing and the selection stay as they are.
    TypingWindow menuOwner;
    for (const ui::MenuEntry* entry : tests::windowCommands(menuOwner.menu().bar))
        if (std::none_of(rows.begin(), rows.end(),
                         [&](const Row& row) { return row.gesture.starts_with(tests::entryName(*entry)); }))
            rows.push_back(
                {tests::entryName(*entry), "Scrivlet\\Work | a* b [A typed]", "a@Scrivlet\\Work:A typed"});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.folder + ": " + row.gesture);
        TypingWindow w;
        w.click(row.folder);
        w.controls().lItem.userClickItem(1);
        w.type(" typed");
        const std::string before = w.selection();
        int rewrites = 0;
        w.controls().lText.TextSet.connect([&rewrites] { ++rewrites; });
        give(w, row.gesture);
        EXPECT_EQ(w.selection() + w.keyboard, row.selection);
        // Where the same note stays shown, its text is not put into the box again, which would empty the
        // box's undo history.
        EXPECT_TRUE(w.selection() != before || rewrites == 0);
        w.click("Trash");
        EXPECT_EQ(w.typedIn(), row.typedIn);
        const notes::ItemClipboard& clip = w.notes().clipboard();
        EXPECT_EQ(clip.ClipName[0] + ":" + clip.ClipText[0] + std::to_string(clip.ClipCount),
                  row.clipboard + "1");
    }
}

} // namespace
