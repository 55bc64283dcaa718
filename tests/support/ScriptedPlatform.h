#pragma once

#include "ui/MenuEntry.h"
#include "ui/Platform.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tests {

// The platform services as a test scripts them: a settable clock, queued dialog answers, and a record
// of every pop-up menu and of the end of the program.
class ScriptedPlatform : public ui::Platform {
public:
    struct Dialog {
        std::string prompt, title, defaultText;
    };
    struct Popup {
        ui::MenuEntry* menu;
        std::string owner;
        int x, y;
        ui::MenuEntry* defaultEntry;
    };

    std::string date = "11-20-2002";
    double seconds = 43200.0;
    std::deque<std::string> dialogAnswers;
    std::vector<Dialog> dialogs;
    // Entries the user chooses in the next pop-up menus, one per pop-up; nullptr closes it unchosen.
    std::deque<ui::MenuEntry*> popupChoices;
    std::vector<Popup> popups;
    int eventPasses = 0;
    // What the user does while the program lets pending events run.
    std::function<void()> duringEventPass;
    int endRequests = 0;

    std::string inputText(const std::string& prompt, const std::string& title,
                          const std::string& defaultText) override {
        dialogs.push_back({prompt, title, defaultText});
        if (dialogAnswers.empty())
            return {};
        std::string answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    }
    void processEvents() override {
        ++eventPasses;
        if (duringEventPass)
            duringEventPass();
    }
    std::string systemDateText() override { return date; }
    double secondsSinceMidnight() override { return seconds; }
    void popupMenu(ui::MenuEntry& menu, const std::string& owner, int x, int y,
                   ui::MenuEntry* defaultEntry) override {
        popups.push_back({&menu, owner, x, y, defaultEntry});
        if (popupChoices.empty())
            return;
        ui::MenuEntry* choice = popupChoices.front();
        popupChoices.pop_front();
        if (choice != nullptr)
            choice->userChoose();
    }
    void endProgram() override { ++endRequests; }
};

} // namespace tests
