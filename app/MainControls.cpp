#include "app/MainControls.h"

namespace app {

MainControls::MainControls() {
    // Design state: both panels closed, the text box waiting for an item, and the item list allowing
    // several selected entries (copy, cut and delete act on all of them). The list keeps the store's
    // order rather than sorting by name, so that a new or renamed item shows at the end, where the user
    // just acted; the commands work in either order.
    cCalcWinBack.setVisible(false);
    dDateWinBack.setVisible(false);
    lItem.setMultiSelect(true);
    lText.setEnabled(false);
}

} // namespace app
