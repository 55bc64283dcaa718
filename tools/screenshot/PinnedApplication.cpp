#include "tools/screenshot/PinnedApplication.h"

#include <QFile>

namespace screenshot {

namespace {

// Variables of a user's session that change how Qt lays out, draws or takes keys: the screens' scales
// and resolution, a platform theme or style of the desktop, an input method, the fonts' configuration
// and the translations' language.
constexpr const char* SessionSettings[] = {"QT_SCREEN_SCALE_FACTORS",
                                           "QT_ENABLE_HIGHDPI_SCALING",
                                           "QT_SCALE_FACTOR_ROUNDING_POLICY",
                                           "QT_FONT_DPI",
                                           "QT_USE_PHYSICAL_DPI",
                                           "QT_QPA_PLATFORMTHEME",
                                           "QT_STYLE_OVERRIDE",
                                           "QT_IM_MODULE",
                                           "FONTCONFIG_PATH",
                                           "FONTCONFIG_SYSROOT",
                                           "LANGUAGE"};

} // namespace

PinnedApplication::Environment::Environment(const QTemporaryDir& dir, const Setting& setting) {
    for (const char* name : SessionSettings)
        qunsetenv(name);
    // The offscreen platform takes its screens from a file only.
    QFile screens(dir.filePath(QStringLiteral("screens.json")));
    if (!dir.isValid() || !screens.open(QIODevice::WriteOnly))
        qFatal("no temporary folder for the screen's settings");
    screens.write(
        QStringLiteral(R"({"screens": [{"name": "pinned", "x": 0, "y": 0, "width": %1, "height": %2, )"
                       R"("logicalDpi": 96}]})")
            .arg(setting.screen.width())
            .arg(setting.screen.height())
            .toUtf8());
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    qputenv("QT_SCALE_FACTOR", QByteArray::number(setting.scale));
    qputenv("FONTCONFIG_FILE", SCRIVLET_FONTS_CONF);
    qputenv("LC_ALL", "C.UTF-8");
}

PinnedApplication::PinnedApplication(int& argc, char** argv, const Setting& setting)
    : environment_(dir_, setting), application_(argc, argv) {
    QGuiApplication::setLayoutDirection(setting.direction);
}

} // namespace screenshot
