#include "tests/qt/GuiFixture.h"
#include "tools/screenshot/PinnedApplication.h"

// Runs every test class of the skin in one process, offscreen on a desktop screen in the pinned setting.
int main(int argc, char* argv[]) {
    screenshot::PinnedApplication application(argc, argv);
    int failures = 0;
    for (const auto& make : tests::testClasses()) {
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
