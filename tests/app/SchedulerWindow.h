#pragma once

#include "app/MainMenu.h"
#include "tests/support/Gestures.h"
#include "tests/support/StartedWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tests {

// The started window with the scheduler panel open, on a clock that starts at `date` (MM-DD-YYYY).
struct Scheduler : tests::StartedWindow {
    explicit Scheduler(const std::string& date = "11-20-2002") {
        platform.date = date;
        controls().dDateWinTimer.tick();
        menu().mDateShow.userChoose();
    }

    ui::ListView& list() { return controls().dBackWinDateList; }
    ui::TextBox& editor() { return controls().dDateWinText; }
    std::string caption() { return controls().dDateWinDisplay.Text(); }
    std::string tabCaption() { return controls().dDateMenuDisplay.Caption(); }
    ui::ListItem& row(int position) { return list().ListItems(position); }

    std::vector<std::string> rows() {
        std::vector<std::string> texts;
        for (int i = 1; i <= list().ListItems.Count(); ++i)
            texts.push_back(row(i).Text());
        return texts;
    }
    // The one selected row, 0 for none; looks at every row, so a second selected one fails the test.
    int selectedRow() {
        std::vector<int> selected;
        for (int i = 1; i <= list().ListItems.Count(); ++i)
            if (row(i).Selected())
                selected.push_back(i);
        EXPECT_LE(selected.size(), 1U);
        EXPECT_EQ(list().SelectedItem() != nullptr ? list().SelectedItem()->Index() : 0,
                  selected.empty() ? 0 : selected[0]);
        return selected.empty() ? 0 : selected[0];
    }
    // Opens a day of the list by clicking its row, found by the start of its text.
    void click(const std::string& labelStart) {
        for (int i = 1; i <= list().ListItems.Count(); ++i)
            if (row(i).Text().starts_with(labelStart))
                return list().userClickItem(i);
        ADD_FAILURE() << "no row " << labelStart;
    }
    void write(const std::string& day, const std::string& text) {
        click(day);
        tests::edit(editor(), text);
    }
    void scroll(int value) { controls().dDateWinScroller.userSetValue(value); }
    void today() { controls().dDateWinButton.userClick(); }
    void all() { controls().dDateWinAll.userClick(); }
};

} // namespace tests
