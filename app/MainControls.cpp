#include "app/MainControls.h"

namespace app {

MainControls::MainControls() {
    // Design state: both panels closed, the item list allowing several selected entries, the text box
    // waiting for an item.
    cCalcWinBack.setVisible(false);
    dDateWinBack.setVisible(false);
    lItem.setMultiSelect(true);
    lText.setEnabled(false);
}

} // namespace app
