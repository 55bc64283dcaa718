#include "tests/qt/GuiFixture.h"
#include "tools/screenshot/Scene.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include <QProcess>
#include <QTemporaryDir>

namespace {

// A pixel differs where one of its channels is further off than this: antialiasing that renders a glyph's
// edge a little differently stays within it, a text or a widget of another colour does not.
constexpr int ChannelAllowance = 64;
// How many pixels of a picture may differ, for the odd edge antialiased further off: a moved, missing or
// recoloured widget, or one changed letter, makes more differ.
constexpr double AllowedFraction = 1e-5;

bool differs(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))}) > ChannelAllowance;
}

} // namespace

// The pictures, taken as the screenshot tool takes them, against the stored ones: those in this test's
// own setting here, those in another by the tool itself. A failure leaves the picture taken and one
// marking the differing pixels in red next to the test.
class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void eachSceneLooksAsStored_data() {
        QTest::addColumn<QString>("scene");
        for (const screenshot::Scene& scene : screenshot::Scenes)
            QTest::newRow(qPrintable(scene.name)) << scene.name;
    }

    void eachSceneLooksAsStored() {
        QFETCH(QString, scene);
        const QString stored =
            scene == QLatin1String("notes") ? QStringLiteral("screenshot.png") : scene + ".png";
        const QImage reference =
            QImage(QStringLiteral(SCRIVLET_DOCS_DIR "/") + stored).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!reference.isNull(), qPrintable(stored));
        const QImage taken = take(*screenshot::sceneNamed(scene)).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!taken.isNull());

        // A picture of another size differs everywhere.
        QImage marked = reference;
        const bool sameSize = taken.size() == reference.size();
        qsizetype differing = sameSize ? 0 : qsizetype(reference.width()) * reference.height();
        for (int y = 0; sameSize && y < reference.height(); ++y)
            for (int x = 0; x < reference.width(); ++x) {
                const bool off = differs(taken.pixel(x, y), reference.pixel(x, y));
                differing += off;
                const int pale = 192 + qGray(reference.pixel(x, y)) / 4;
                marked.setPixel(x, y, off ? qRgb(255, 0, 0) : qRgb(pale, pale, pale));
            }
        if (differing <= AllowedFraction * reference.width() * reference.height())
            return;
        const QString base = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshot-") + scene;
        taken.save(base + QStringLiteral("-taken.png"));
        marked.save(base + QStringLiteral("-difference.png"));
        QFAIL(qPrintable(QStringLiteral("%1 pixels differ from %2; see %3-taken.png, %3-difference.png")
                             .arg(QString::number(differing), stored, base)));
    }

private:
    static QImage take(const screenshot::Scene& scene) {
        const screenshot::Setting here;
        if (scene.setting.screen == here.screen && scene.setting.scale == here.scale &&
            scene.setting.direction == here.direction) {
            screenshot::Window window;
            return screenshot::take(window, scene.panel);
        }
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("taken.png"));
        QProcess tool;
        tool.start(QStringLiteral(SCRIVLET_SCREENSHOT_TOOL), {scene.name, out});
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
            return {};
        return QImage(out);
    }
};

SKIN_TEST_CLASS(ScreenshotTest)

#include "ScreenshotTest.moc"
