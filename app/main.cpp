// vexlor-adjustor: the window for configuring the controller. The program's
// entry builds the real dialogs, desktop and controller link and hands them
// to the window; the tests hand it recorders and fakes instead.

#include "commands/shell_opener.h"
#include "dialogs/connection_doctor_dialog.h"
#include "dialogs/qt_file_dialogs.h"
#include "dialogs/qt_message_boxes.h"
#include "dialogs/qt_safety_dialogs.h"
#include "window/main_window.h"
#include "window/program_info.h"
#include "window/splash_window.h"

#include "config/backup_store.h"
#include "config/freedesktop_file_association.h"
#include "config/language_setting.h"
#include "config/settings_file.h"
#include "doctor/doctor_run.h"
#include "doctor/host_system.h"
#include "link/cable.h"
#include "link/port_discovery.h"
#include "link/qt_serial_port.h"
#include "session/controller_session.h"

#include "language_choice.h"
#include "translators.h"

#include <QApplication>
#include <QDir>
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

// The window's language: the one Help > Language saved in config.ini, else
// the desktop's. Never the number format: that follows the locale as before.
QString windowLanguage(const QString &settingsFolder)
{
    using namespace vexlor;
    const SettingsFile settings(QDir(settingsFolder).filePath(QLatin1String(kSettingsFileName)));
    return chooseUiLanguage(readLanguageSetting(settings),
                            desktopLanguages(QProcessEnvironment::systemEnvironment()));
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace vexlor;
    QApplication app(argc, argv);
    try {
        const QString settingsFolder = settingsFolderFor(executableFolder());
        const UiTranslators translators(windowLanguage(settingsFolder)); // before any widget

        auto splash = std::make_unique<SplashWindow>();
        splash->show();
        QElapsedTimer startMark;
        startMark.start();

        QtMessageBoxes boxes(nullptr, QString::fromLatin1(kProgramTitleBase)
                                          + QLatin1String(kProgramVersionSuffix));
        QtFileDialogs dialogs;
        QtSafetyDialogs safetyDialogs;
        DesktopShellOpener shell;
        FreedesktopFileAssociation association(QString::fromLatin1(kApplicationName));
        SystemPortLister portLister;
        CableBridgeLines bridgeLines(portLister);
        ControllerSession session(std::make_unique<QtSerialPort>(), portLister, bridgeLines,
                                  portOverrideFromEnvironment(), NumberFormat::fromLocale());
        MainWindow window(AppServices{
            .boxes = boxes,
            .shell = shell,
            .fileDialogs = dialogs,
            .safetyDialogs = safetyDialogs,
            .fileAssociation = association,
            .session = session,
            .settingsFolder = settingsFolder,
            .backupFolder = BackupStore::defaultFolder(),
            .commandLine = app.arguments().mid(1),
            .language = translators.language(),
        });
        boxes.setParentWindow(&window);
        dialogs.setParentWindow(&window);
        safetyDialogs.setParentWindow(&window);
        // Help > Connection Doctor, and the boxes that offer it.
        const HostSystem system;
        DoctorRun doctorRun(system, portLister, session, DoctorRun::SessionState::Running);
        ConnectionDoctorDialog doctor(
            doctorRun, QStringLiteral("vexlor-adjustor") + QLatin1String(kProgramVersionSuffix), &window);
        QObject::connect(&window, &MainWindow::connectionDoctorRequested, &doctor,
                         &ConnectionDoctorDialog::showAndRun);
        window.startUp(); // while the splash is up

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
