// window-shots: saves pictures of the main window's two tabs, of the dialogs
// that compare with the controller and restore a backup, and of the splash
// banner, for the README and for checking the layout by eye.
//   window-shots OUTPUT_FOLDER [LANGUAGE]
//   window-shots --guide OUTPUT_FOLDER LANGUAGE
// With a LANGUAGE ("de"), only the two tabs, in that language, as
// screenshot-general-de.png and screenshot-motor-de.png. With --guide, the
// user guide's pictures in that language (guide_shots.h); the build makes
// them for the guides' PDFs.
// Run it on a real display server (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
// The window starts as on a machine without a controller cable and without a
// reopen list; nothing of the desktop or the user's files is touched.

#include "guide_shots.h"
#include "sample_dialogs.h"
#include "translators.h"
#include "window_doubles.h"
#include "dialogs/comparison_dialog.h"
#include "dialogs/restore_backup_dialog.h"
#include "window/splash_window.h"

#include "link/qt_serial_port.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

using namespace vexlor;

bool saveShots(MainWindow &window, const QDir &out, const QString &suffix)
{
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    bool saved = pages != nullptr;
    for (int page = 0; saved && page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        const QString name = page == 0 ? QStringLiteral("general") : QStringLiteral("motor");
        saved = window.grab().save(out.filePath(QStringLiteral("screenshot-%1%2.png").arg(name, suffix)));
    }
    return saved;
}

bool saveDialogShots(MainWindow &window, const QDir &out)
{
    ComparisonDialog comparison(sampleDifferences(window.numberFormat()), &window);
    comparison.show();
    RestoreBackupDialog restore(sampleBackups(), &window);
    restore.show();
    return comparison.grab().save(out.filePath(QStringLiteral("screenshot-compare.png")))
        && restore.grab().save(out.filePath(QStringLiteral("screenshot-restore.png")));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool guide = args.size() == 4 && args.at(1) == QLatin1String("--guide");
    if (guide)
        args.removeAt(1);
    if (args.size() != 2 && args.size() != 3) {
        std::fprintf(stderr, "usage: window-shots OUTPUT_FOLDER [LANGUAGE]\n"
                             "       window-shots --guide OUTPUT_FOLDER LANGUAGE\n");
        return 2;
    }
    const QString language = args.value(2);
    const UiTranslators translators(language.isEmpty() ? QStringLiteral("en") : language);
    if (translators.language() != (language.isEmpty() ? QStringLiteral("en") : language)) {
        std::fprintf(stderr, "no translation for %s\n", qPrintable(language));
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 2;
    }

    if (language.isEmpty() && !guide) {
        vexlor::SplashWindow splash;
        splash.grab().save(out.filePath(QStringLiteral("screenshot-splash.png")));
    }

    // Nothing is shown, opened, chosen or registered, and no port is listed,
    // so the window shows the device as lost.
    WindowDoubles doubles;
    doubles.boxes.answerYes = false;
    const auto assembly = doubles.assemble(
        {std::make_unique<QtSerialPort>(), doubles.lister, doubles.bridges, QString()}, {},
        translators.language());
    MainWindow &window = assembly->window();
    window.show();
    bool saved = false;
    // After the start-up's link steps have shown the device state.
    QTimer::singleShot(1000, &window, [&] {
        if (guide)
            saved = saveGuideShots(window, out);
        else
            saved = language.isEmpty() ? saveShots(window, out, {}) && saveDialogShots(window, out)
                                       : saveShots(window, out, u'-' + language);
        app.quit();
    });
    app.exec();
    if (!saved)
        std::fprintf(stderr, "window-shots: a picture could not be made or saved in %s\n",
                     qPrintable(out.path()));
    return saved ? 0 : 1;
}
