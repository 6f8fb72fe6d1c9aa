// vexlor-adjustor: the window for configuring the controller. The program's
// entry builds the real dialogs, desktop and controller link and hands them
// to the window's assembly; the tests and the screenshot tool hand the same
// assembly recorders and fakes instead.

#include "commands/shell_opener.h"
#include "dialogs/qt_file_dialogs.h"
#include "dialogs/qt_message_boxes.h"
#include "dialogs/qt_safety_dialogs.h"
#include "basics/program_info.h"
#include "window/splash_window.h"
#include "assembly/window_assembly.h"

#include "backups/backup_store.h"
#include "backups/profile_store.h"
#include "cables/cable.h"
#include "desktop/platform_file_association.h"
#include "doctor/host_system.h"
#include "port/platform_link.h"
#include "settings/language_setting.h"
#include "settings/register_setting.h"
#include "settings/settings_file.h"

#include "language_choice.h"
#include "open_register.h"
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
QString windowLanguage(const vexlor::SettingsFile &settings)
{
    using namespace vexlor;
    return chooseUiLanguage(readLanguageSetting(settings),
                            desktopLanguages(QProcessEnvironment::systemEnvironment()));
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace vexlor;
    QApplication app(argc, argv);
    try {
        // What start-up needs is known here, before the first widget, and
        // handed to each part as it is built.
        const QString programFolder = executableFolder();
        SettingsFile settings(QDir(settingsFolderFor(programFolder))
                                  .filePath(QLatin1String(kSettingsFileName)));
        const NumberFormat numberFormat = NumberFormat::fromLocale();
        const UiTranslators translators(windowLanguage(settings)); // before any widget

        auto splash = std::make_unique<SplashWindow>();
        splash->show();
        QElapsedTimer startMark;
        startMark.start();

        QtMessageBoxes boxes(nullptr, QString::fromLatin1(kProgramTitleBase)
                                          + QLatin1String(kProgramVersionSuffix));
        QtFileDialogs dialogs;
        QtSafetyDialogs safetyDialogs;
        DesktopShellOpener shell;
        const auto association = makePlatformFileAssociation(QString::fromLatin1(kApplicationName));
        PlatformPortLister portLister;
        CableBridgeLines bridgeLines(portLister);
        const HostSystem system; // what the connection doctor reads
        // Opened at the first record; on the shop's server when config.ini names one.
        const std::unique_ptr<Register> records =
            openRegister(defaultRegisterPath(), readRegisterServerSetting(settings));
        WindowAssembly assembly(
            {boxes, shell, dialogs, safetyDialogs, *association},
            {std::make_unique<PlatformSerialPort>(), portLister, bridgeLines, portOverrideFromEnvironment()},
            {settings, programFolder, numberFormat, BackupStore::defaultFolder(),
             app.arguments().mid(1), translators.language(), ProfileStore::defaultFolder(), records.get()},
            system);
        MainWindow &window = assembly.window();
        boxes.setParentWindow(&window);
        dialogs.setParentWindow(&window);
        safetyDialogs.setParentWindow(&window);
        assembly.startUp(); // while the splash is up

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
