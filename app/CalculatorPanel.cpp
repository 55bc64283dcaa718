#include "app/CalculatorPanel.h"

#include "app/MainMenu.h"
#include "calc/MODULCalc.h"
#include "ui/Input.h"

#include <utility>

namespace app {

namespace {

constexpr int16_t SlotCount = MODULCalc::VariableSlots;

} // namespace

CalculatorPanel::CalculatorPanel(MainControls& controls, ui::Platform& platform)
    : controls_(controls), platform_(platform) {
    controls_.cCalcWinVarList.setFont({"Lucida Console", 9, false, false, true});
    controls_.cCalcWinInput.Change.connect([this] { cCalcWinInput_Change(); });
    controls_.cCalcWinVarList.DblClick.connect([this] { cCalcWinVarList_DblClick(); });
    controls_.cCalcWinVarList.MouseUp.connect(
        [this](int16_t button, int16_t, int x, int y) { cCalcWinVarList_MouseUp(button, x, y); });
    for (ui::MenuEntry* entry : controls_.menu.mNumbra)
        entry->Click.connect([this, entry] { mNumbra_Click(static_cast<int16_t>(entry->Index())); });
}

std::string CalculatorPanel::slotLine(int i, const std::string& text) {
    return (std::to_string(i) + "  ").substr(0, 2) + ": " + text;
}

std::string CalculatorPanel::calculate(const std::string& term, int16_t basicOnly, int16_t slotCount) {
    return MODULCalc::Calculate(term, 0, basicOnly, CalcVar, slotCount, platform_.secondsSinceMidnight());
}

void CalculatorPanel::fillCalculatorPanel() {
    ui::ListBox& list = controls_.cCalcWinVarList;
    for (int i = 0; i < SlotCount; ++i)
        list.AddItem(slotLine(i, CalcVar[static_cast<std::size_t>(i)]));
    controls_.cCalcMenuResult.setCaption(calculate("", -1, 0));
    controls_.cCalcWinResult.setText(calculate("", -1, 0));
    controls_.cCalcWinInfo.setText(calculate("basic", -1, 0) + "\r\n" + calculate("advanced", -1, 0) +
                                   "\r\n" + calculate("professional", 0, 1));
}

// Two independent evaluations: with rnd in the Term the result box and the tab may differ.
void CalculatorPanel::cCalcWinInput_Change() {
    controls_.cCalcWinResult.setText(calculate(controls_.cCalcWinInput.Text(), 0, SlotCount));
    controls_.cCalcMenuResult.setCaption(calculate(controls_.cCalcWinInput.Text(), 0, SlotCount));
}

void CalculatorPanel::cCalcWinVarList_DblClick() {
    mNumbra_Click(MainMenu::SlotEdit);
}

void CalculatorPanel::cCalcWinVarList_MouseUp(int16_t button, int x, int y) {
    if (button != ui::vbRightButton)
        return;
    MainMenu& menu = controls_.menu;
    platform_.popupMenu(menu.mNumbraMenu, controls_.cCalcWinVarList.Name(), x, y,
                        menu.mNumbra[MainMenu::SlotEdit]);
}

void CalculatorPanel::storeSlot(int n, std::string text) {
    CalcVar[static_cast<std::size_t>(n)] = std::move(text);
    controls_.cCalcWinVarList.setList(n, slotLine(n, CalcVar[static_cast<std::size_t>(n)]));
}

// Every entry ends with a re-evaluation, also when no slot is selected, so that a Term using the changed
// slot shows its new value at once.
void CalculatorPanel::mNumbra_Click(int16_t index) {
    ui::ListBox& list = controls_.cCalcWinVarList;
    ui::TextBox& input = controls_.cCalcWinInput;
    const auto n = static_cast<int16_t>(list.ListIndex());
    if (n >= 0 && n < SlotCount) {
        const std::string& slot = CalcVar[static_cast<std::size_t>(n)];
        switch (index) {
        case MainMenu::SlotEdit:
            // A cancelled dialog answers with the empty text, which clears the slot.
            storeSlot(n, platform_.inputText("Enter new value.", "Edit value", slot));
            break;
        case MainMenu::SlotSaveResult:
            storeSlot(n, controls_.cCalcWinResult.Text());
            break;
        case MainMenu::SlotSaveTerm:
            storeSlot(n, input.Text());
            break;
        case MainMenu::SlotAddToTerm:
            input.setText(input.Text() + " " + slot);
            break;
        case MainMenu::SlotUseAsTerm:
            input.setText(slot);
            break;
        case MainMenu::SlotClear:
            storeSlot(n, "");
            break;
        case MainMenu::SlotClearAll:
            list.Clear();
            for (int i = 0; i < SlotCount; ++i) {
                CalcVar[static_cast<std::size_t>(i)].clear();
                list.AddItem(slotLine(i, ""));
            }
            break;
        default:
            break;
        }
    }
    cCalcWinInput_Change();
}

} // namespace app
