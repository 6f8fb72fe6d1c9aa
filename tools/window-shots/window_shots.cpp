// window-shots: saves pictures of the main window's two tabs (the General tab
// also in imperial units), of the dialogs
// that compare with the controller and restore a backup, of the connection
// doctor, of the bike's label and History, of the setup assistant's pages and
// of the splash banner, for the README and for checking the layout
// by eye.
//   window-shots OUTPUT_FOLDER [LANGUAGE]
// With a LANGUAGE ("de"), only the two tabs, in that language, as
// screenshot-general-de.png and screenshot-motor-de.png; in German the
// setup assistant's pages too (screenshot-setup-battery-de.png ...).
//   window-shots --layout FILE [LANGUAGE]
// writes the window's layout as text instead (window_layout.h), for comparing
// one platform's window with another's.
//   window-shots --drawn OUTPUT_FOLDER
// saves each tab and dialog as drawn, each beside the list of the texts it
// shows and where (drawn_shots.h), for reading the pictures back.
//   window-shots --guide OUTPUT_FOLDER LANGUAGE
// saves the user guide's pictures in that language (guide_shots.h); the build
// makes them for the guides' PDFs.
//   window-shots --dark OUTPUT_FOLDER
//   window-shots --scaled OUTPUT_FOLDER
// save the two tabs under a dark desktop's palette (the Fusion style), as
// screenshot-general-dark.png and screenshot-motor-dark.png, or on a screen
// scaled to 200 %, as screenshot-general-200.png and screenshot-motor-200.png.
// Run it on a real display server (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
// The window starts as on a machine without a controller cable and without a
// reopen list; nothing of the desktop or the user's files is touched.

#include "dark_palette.h"
#include "drawn_shots.h"
#include "guide_shots.h"
#include "sample_dialogs.h"
#include "setup_shots.h"
#include "translators.h"
#include "window_doubles.h"
#include "window_layout.h"
#include "dialogs/comparison_dialog.h"
#include "dialogs/history_dialog.h"
#include "dialogs/restore_backup_dialog.h"
#include "window/splash_window.h"

#include "port/platform_link.h"

#include <QAction>
#include <QApplication>
#include <QStyleFactory>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

using namespace vexlor;

// The setup assistant's pages, screenshot-setup-<page><suffix>.png.
bool saveSetupPages(MainWindow &window, const QDir &out, const QString &suffix)
{
    QStringList names;
    for (const char *page : {"battery", "motor", "road", "proposal"})
        names << QStringLiteral("screenshot-setup-%1%2.png").arg(QLatin1String(page), suffix);
    return saveSetupShots(&window, window.numberFormat(), out, names);
}

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

// The General tab with speeds in mph, as Help > Units > Imperial shows it;
// the window goes back to metric afterwards.
bool saveImperialShot(MainWindow &window, const QDir &out)
{
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    if (!pages)
        return false;
    pages->setCurrentIndex(0);
    window.actions().speedUnits.last()->trigger();
    const bool saved = window.grab().save(out.filePath(QStringLiteral("screenshot-general-imperial.png")));
    window.actions().speedUnits.first()->trigger();
    return saved;
}

bool saveDoctorShot(ConnectionDoctorDialog &doctor, const QDir &out)
{
    doctor.showResults(sampleFindings(), false);
    doctor.show();
    return doctor.grab().save(out.filePath(QStringLiteral("screenshot-doctor.png")));
}

bool saveDialogShots(MainWindow &window, const QDir &out)
{
    const SampleComparison sample = sampleComparison(window.numberFormat());
    ComparisonDialog comparison(sample.rows, sample.fingerprints, &window);
    comparison.show();
    RestoreBackupDialog restore(sampleBackups(), &window);
    restore.show();
    return comparison.grab().save(out.filePath(QStringLiteral("screenshot-compare.png")))
        && restore.grab().save(out.filePath(QStringLiteral("screenshot-restore.png")));
}

// The bike's label in the status strip, and History over a morning's records.
bool saveRegisterShots(WindowAssembly &assembly, WindowDoubles &doubles, const QDir &out)
{
    doubles.records.kept = sampleRecords();
    doubles.boxes.textAnswer = QStringLiteral("WBX 40213 Ode");
    assembly.window().actions().bike->trigger();
    HistoryDialog &history = assembly.history();
    history.refresh();
    history.show();
    const bool saved = assembly.window().grab().save(out.filePath(QStringLiteral("screenshot-bike.png")))
        && history.grab().save(out.filePath(QStringLiteral("screenshot-history.png")));
    history.hide(); // a window of its own: left shown, it keeps Wine's program from ending
    return saved;
}

bool saveLayout(const MainWindow &window, const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(windowLayout(window).toUtf8()) > 0 && file.flush();
}

enum class Output { Pictures, Layout, Guide, Dark, Scaled, Drawn };

// What the first argument asks for, taken out of `args` when it is an option.
Output outputOf(QStringList &args)
{
    const QList<std::pair<QLatin1String, Output>> options = {
        {QLatin1String("--layout"), Output::Layout}, {QLatin1String("--guide"), Output::Guide},
        {QLatin1String("--dark"), Output::Dark}, {QLatin1String("--scaled"), Output::Scaled},
        {QLatin1String("--drawn"), Output::Drawn}};
    for (const auto &[option, output] : options) {
        if (args.value(1) == option) {
            args.removeAt(1);
            return output;
        }
    }
    return Output::Pictures;
}

// What one run saves once the window has started up: the layout, the guide's
// pictures, or the README's pictures into `target` (with the splash and the
// dialogs in English).
bool saveOutputs(WindowAssembly &assembly, WindowDoubles &doubles, const QString &target,
                 const QString &language, Output output)
{
    MainWindow &window = assembly.window();
    if (output == Output::Layout)
        return saveLayout(window, target);
    const QDir out(target);
    if (output == Output::Guide)
        return saveGuideShots(window, out);
    if (output == Output::Drawn) {
        assembly.doctor().showResults(sampleFindings(), false);
        return !saveDrawnShots(window, assembly.doctor(), out).isEmpty();
    }
    if (output == Output::Dark || output == Output::Scaled)
        return saveShots(window, out, output == Output::Dark ? QStringLiteral("-dark") : QStringLiteral("-200"));
    if (language == QLatin1String("de"))
        return saveShots(window, out, u'-' + language) && saveSetupPages(window, out, u'-' + language);
    if (!language.isEmpty())
        return saveShots(window, out, u'-' + language);
    vexlor::SplashWindow splash;
    return splash.grab().save(out.filePath(QStringLiteral("screenshot-splash.png")))
        && saveShots(window, out, {}) && saveImperialShot(window, out) && saveDialogShots(window, out)
        && saveDoctorShot(assembly.doctor(), out) && saveRegisterShots(assembly, doubles, out)
        && saveSetupPages(window, out, {});
}

} // namespace

int main(int argc, char *argv[])
{
    // A scale factor must be known before the first screen is.
    if (argc > 1 && qstrcmp(argv[1], "--scaled") == 0)
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    const Output output = outputOf(args);
    if (args.size() != 2 && args.size() != 3) {
        std::fprintf(stderr, "usage: window-shots [--layout FILE | --guide OUTPUT_FOLDER | --dark OUTPUT_FOLDER | "
                             "--scaled OUTPUT_FOLDER | --drawn OUTPUT_FOLDER | OUTPUT_FOLDER] [LANGUAGE]\n");
        return 2;
    }
    if (output == Output::Dark) { // as a dark desktop's platform theme sets it
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkDesktopPalette());
    }
    const QString language = args.value(2);
    const UiTranslators translators(language.isEmpty() ? QStringLiteral("en") : language);
    if (translators.language() != (language.isEmpty() ? QStringLiteral("en") : language)) {
        std::fprintf(stderr, "no translation for %s\n", qPrintable(language));
        return 2;
    }
    if (output != Output::Layout && !QDir().mkpath(args.at(1))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args.at(1)));
        return 2;
    }

    // Nothing is shown, opened, chosen or registered, and no port is listed,
    // so the window shows the device as lost.
    WindowDoubles doubles;
    doubles.boxes.answerYes = false;
    const auto assembly = doubles.assemble(
        {std::make_unique<PlatformSerialPort>(), doubles.lister, doubles.bridges, QString()}, {},
        translators.language());
    MainWindow &window = assembly->window();
    window.show();
    bool saved = false;
    // After the start-up's link steps have shown the device state.
    QTimer::singleShot(1000, &window, [&] {
        saved = saveOutputs(*assembly, doubles, args.at(1), language, output);
        app.quit();
    });
    app.exec();
    if (!saved)
        std::fprintf(stderr, "window-shots: could not save everything into %s\n", qPrintable(args.at(1)));
    return saved ? 0 : 1;
}
