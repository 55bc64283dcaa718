// Saves one of the README's pictures of the real window (tools/screenshot/Scene.h).
//
// Usage: scrivlet_screenshot notes|calculator|scheduler OUT.png [TERM]

#include "tools/screenshot/PinnedApplication.h"
#include "tools/screenshot/Scene.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    screenshot::PinnedApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString scene = arguments.value(1);
    const QString out = arguments.value(2);
    if (out.isEmpty() || !screenshot::Scenes.contains(scene)) {
        std::fputs("usage: scrivlet_screenshot notes|calculator|scheduler OUT.png [TERM]\n", stderr);
        return 2;
    }
    screenshot::Window window;
    const QImage picture = arguments.size() > 3 ? screenshot::take(window, scene, arguments[3])
                                                : screenshot::take(window, scene);
    if (picture.isNull())
        return 1;
    if (!picture.save(out)) {
        std::fputs("scrivlet_screenshot: the picture could not be written\n", stderr);
        return 1;
    }
    return 0;
}
