#pragma once

#include "app/MainControls.h"
#include "calc/MODULCalc.h"
#include "ui/Platform.h"

#include <array>
#include <cstdint>
#include <string>

namespace app {

// The calculator panel of the main window: the 32 variable slots and the handlers of the input line, the
// slot list and the Calculator menu's slot entries.
class CalculatorPanel {
public:
    CalculatorPanel(MainControls& controls, ui::Platform& platform);

    // The start-up filling: the slot list, the result texts and the information lines.
    void fillCalculatorPanel();

    const std::array<std::string, MODULCalc::VariableSlots>& Slots() const { return CalcVar; }

    // The line the list shows for slot i: '7 : 12.5', '12: 3'.
    static std::string slotLine(int i, const std::string& text);

private:
    void cCalcWinInput_Change();
    void cCalcWinVarList_DblClick();
    void cCalcWinVarList_MouseUp(int16_t button, int x, int y);
    void mNumbra_Click(int16_t index);

    void storeSlot(int n, std::string text);
    std::string calculate(const std::string& term, int16_t basicOnly, int16_t slotCount);

    MainControls& controls_;
    ui::Platform& platform_;
    std::array<std::string, MODULCalc::VariableSlots> CalcVar;
};

} // namespace app
