// window-shots: saves pictures of the main window's two tabs, of the dialogs
// that compare with the controller and restore a backup, of the connection
// doctor and of the splash banner, for the README and for checking the layout
// by eye.
//   window-shots OUTPUT_FOLDER [LANGUAGE]
// With a LANGUAGE ("de"), only the two tabs, in that language, as
// screenshot-general-de.png and screenshot-motor-de.png.
//   window-shots --layout FILE [LANGUAGE]
// writes the window's layout as text instead (window_layout.h), for comparing
// one platform's window with another's.
//   window-shots --drawn OUTPUT_FOLDER
// saves each tab and dialog as drawn, each beside the list of the texts it
// shows and where (drawn_shots.h), for reading the pictures back.
//   window-shots --guide OUTPUT_FOLDER LANGUAGE
// saves the user guide's pictures in that language (guide_shots.h); the build
// makes them for the guides' PDFs.
// Run it on a real display server (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
// The window starts as on a machine without a controller cable and without a
// reopen list; nothing of the desktop or the user's files is touched.

#include "drawn_shots.h"
#include "guide_shots.h"
#include "sample_dialogs.h"
#include "translators.h"
#include "window_doubles.h"
#include "window_layout.h"
#include "dialogs/comparison_dialog.h"
#include "dialogs/restore_backup_dialog.h"
#include "window/splash_window.h"

#include "port/platform_link.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

// What the doctor found for a rider on a laptop whose cable rule is not
// installed (as in the virtual machine's test) and where ModemManager runs.
QList<CheckResult> sampleFindings()
{
    const auto r = [](CheckStatus status, const char *check, const char *detail, const char *fix = "") {
        return CheckResult{status, QLatin1String(check), QString::fromUtf8(detail), QString::fromUtf8(fix)};
    };
    using S = CheckStatus;
    return {
        r(S::Ok, "cable", "/dev/ttyUSB0: USB 0403:6001 (FT232R USB UART), serial number A50285BI."),
        r(S::Ok, "driver", "ftdi_sio drives ttyUSB0; its device node is /dev/ttyUSB0."),
        r(S::Fail, "access",
          "/dev/ttyUSB0 refuses you: owner root, group dialout, mode 0660. You are not in group dialout. The "
          "cable rule 70-vexlor-cable.rules is not installed. The device carries no access entry for you (the "
          "cable rule gives one to the user at the computer's own screen).",
          "printf '%s\\n' 'SUBSYSTEM==\"tty\", SUBSYSTEMS==\"usb\", ATTRS{idVendor}==\"0403\", MODE=\"0660\", "
          "GROUP=\"dialout\", TAG+=\"uaccess\"' 'SUBSYSTEM==\"usb\", ENV{DEVTYPE}==\"usb_device\", "
          "ATTR{idVendor}==\"0403\", MODE=\"0664\", TAG+=\"uaccess\"' | sudo tee "
          "/etc/udev/rules.d/70-vexlor-cable.rules >/dev/null && sudo udevadm control --reload && sudo udevadm "
          "trigger --action=add --parent-match=/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2"),
        r(S::Ok, "busy", "No other process of yours holds /dev/ttyUSB0 open (the open files of 131 processes "
                         "of other users cannot be seen)."),
        r(S::Warn, "modemmanager",
          "ModemManager is running and may probe /dev/ttyUSB0 (0403:6001) for a modem, which garbles the "
          "controller's replies.",
          "printf '%s\\n' 'ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"' "
          "| sudo tee /etc/udev/rules.d/71-vexlor-modemmanager.rules >/dev/null && sudo udevadm control --reload "
          "&& sudo udevadm trigger --action=add --parent-match=/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2"),
        r(S::Ok, "brltty", "brltty is not installed."),
        r(S::Skip, "latency", "The latency timer is at 16 ms; what it is while the tool holds the port cannot "
                              "be tried, as the port does not open (see access)."),
        r(S::Ok, "sandbox", "The tool runs outside Flatpak and Snap."),
        r(S::Skip, "controller", "The port does not open for you (see access)."),
    };
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

bool saveLayout(const MainWindow &window, const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(windowLayout(window).toUtf8()) > 0 && file.flush();
}

enum class Output { Pictures, Layout, Guide, Drawn };

// What one run saves once the window has started up: the layout, the guide's
// pictures, or the README's pictures into `target` (with the splash and the
// dialogs in English).
bool saveOutputs(MainWindow &window, ConnectionDoctorDialog &doctor, const QString &target,
                 const QString &language, Output output)
{
    if (output == Output::Layout)
        return saveLayout(window, target);
    const QDir out(target);
    if (output == Output::Guide)
        return saveGuideShots(window, out);
    if (output == Output::Drawn) {
        doctor.showResults(sampleFindings(), false);
        return !saveDrawnShots(window, doctor, out).isEmpty();
    }
    if (!language.isEmpty())
        return saveShots(window, out, u'-' + language);
    vexlor::SplashWindow splash;
    return splash.grab().save(out.filePath(QStringLiteral("screenshot-splash.png")))
        && saveShots(window, out, {}) && saveDialogShots(window, out) && saveDoctorShot(doctor, out);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    Output output = Output::Pictures;
    const std::pair<QLatin1String, Output> options[] = {{QLatin1String("--layout"), Output::Layout},
                                                        {QLatin1String("--guide"), Output::Guide},
                                                        {QLatin1String("--drawn"), Output::Drawn}};
    for (const auto &[option, chosen] : options) {
        if (args.value(1) == option) {
            output = chosen;
            args.removeAt(1);
        }
    }
    if (args.size() != 2 && args.size() != 3) {
        std::fprintf(stderr, "usage: window-shots [--layout FILE | --guide OUTPUT_FOLDER | "
                             "--drawn OUTPUT_FOLDER | OUTPUT_FOLDER] [LANGUAGE]\n");
        return 2;
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
        saved = saveOutputs(window, assembly->doctor(), args.at(1), language, output);
        app.quit();
    });
    app.exec();
    if (!saved)
        std::fprintf(stderr, "window-shots: could not save everything into %s\n", qPrintable(args.at(1)));
    return saved ? 0 : 1;
}
