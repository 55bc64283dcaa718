#include "app/frmMain.h"
#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <functional>
#include <utility>

namespace {

// Runs `then` from the event loop once `window` has drawn for the first time.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& window, std::function<void()> then) : QObject(&window), then_(std::move(then)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The installed desktop entry and icon carry this name; desktops match the window to them by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.scrivlet"));
    qt::QtPlatform platform;
    app::frmMain form(platform);
    qt::MainWindow window(form.controls());
    form.Form_Load();
    // Finding the icon reads the icon theme's indexes and folders, which took longer than building the
    // whole window; the window draws first and the desktop shows the icon moments later.
    new AfterFirstPaint(window, [] {
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("com.example.scrivlet")));
    });
    return QApplication::exec();
}
