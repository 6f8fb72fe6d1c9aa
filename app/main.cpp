// vexlor-adjustor: the window for configuring the controller.

#include "main_window.h"
#include "splash_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <memory>

namespace {

// The splash stays up at least this long from the start mark.
constexpr qint64 kSplashMinimumMs = 3000;

void showStartError(const QString &message)
{
    QMessageBox::critical(nullptr, QString(), message);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    try {
        auto splash = std::make_unique<vexlor::SplashWindow>();
        splash->show();
        QElapsedTimer startMark;
        startMark.start();

        vexlor::AppServices services;
        services.commandLine = app.arguments().mid(1);
        vexlor::MainWindow window(services); // runs FormCreate while the splash is up

        // The splash wait: the event loop runs (clicks, timer ticks) and the
        // main window appears once at least 3000 ms have passed.
        const qint64 remaining = std::max<qint64>(0, kSplashMinimumMs - startMark.elapsed());
        QTimer::singleShot(int(remaining), &window, [&splash, &window] {
            splash.reset();
            window.show();
        });
        app.exec();
    } catch (const std::exception &e) {
        showStartError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showStartError(QString());
    }
    return 0; // whatever happened
}
