#include "ui/Signal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The skin binds a panel's widgets from inside the notification that the panel opened: handlers connected
// during an emission must leave the running one intact, and hear only from the next emission on.
TEST(SignalReentry, HandlersConnectedWhileItEmitsHearTheNextEmission) {
    ui::Signal<int> signal;
    std::string heard;
    signal.connect([&signal, &heard](int round) {
        for (int added = 0; added < 40; ++added)
            signal.connect([&heard, round](int) { heard += std::to_string(round); });
        heard += 'A';
    });
    signal(1);
    EXPECT_EQ(heard, "A");
    heard.clear();
    signal(2);
    EXPECT_EQ(heard, "A" + std::string(40, '1'));
}

} // namespace
