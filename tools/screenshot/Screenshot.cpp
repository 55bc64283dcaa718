// Saves a picture of the real window (tools/screenshot/Scene.h), drawn in the scene's setting.
//
// Usage: scrivlet_screenshot SCENE OUT.png [TERM]

#include "tools/screenshot/PinnedApplication.h"
#include "tools/screenshot/Scene.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    // The setting is the application's, so the scene is known before the application starts.
    const screenshot::Scene* scene =
        argc > 2 ? screenshot::sceneNamed(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (scene == nullptr) {
        std::fputs("usage: scrivlet_screenshot notes|calculator|scheduler|small-screen|scaled|right-to-left "
                   "OUT.png [TERM]\n",
                   stderr);
        return 2;
    }
    screenshot::PinnedApplication application(argc, argv, scene->setting);
    const QStringList arguments = QApplication::arguments();
    screenshot::Window window;
    const QImage picture = arguments.size() > 3 ? screenshot::take(window, scene->panel, arguments[3])
                                                : screenshot::take(window, scene->panel);
    if (picture.isNull())
        return 1;
    if (!picture.save(arguments[2])) {
        std::fputs("scrivlet_screenshot: the picture could not be written\n", stderr);
        return 1;
    }
    return 0;
}
