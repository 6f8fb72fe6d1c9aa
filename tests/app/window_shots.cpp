// window-shots: saves pictures of the main window's two tabs and of the splash
// banner, for the README and for checking the layout by eye.
//   window-shots OUTPUT_FOLDER
// Run it on a real display server (xvfb-run) or with QT_QPA_PLATFORM=offscreen.

#include "main_window.h"
#include "splash_window.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: window-shots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(app.arguments().at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 2;
    }

    vexlor::SplashWindow splash;
    splash.grab().save(out.filePath(QStringLiteral("screenshot-splash.png")));

    vexlor::MainWindow window;
    window.show();
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    bool saved = true;
    // After the start-up's link steps have shown the device state.
    QTimer::singleShot(1000, &window, [&] {
        pages->setCurrentIndex(0);
        saved &= window.grab().save(out.filePath(QStringLiteral("screenshot-general.png")));
        pages->setCurrentIndex(1);
        saved &= window.grab().save(out.filePath(QStringLiteral("screenshot-motor.png")));
        app.quit();
    });
    app.exec();
    return saved ? 0 : 1;
}
