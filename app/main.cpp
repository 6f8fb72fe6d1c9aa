// vexlor-adjustor: the window for configuring the controller. The program's
// entry builds the real dialogs, desktop and controller link and hands them
// to the window; the tests hand it recorders and fakes instead.

#include "main_window.h"
#include "program_info.h"
#include "qt_file_dialogs.h"
#include "qt_message_boxes.h"
#include "qt_safety_dialogs.h"
#include "shell_opener.h"
#include "splash_window.h"

#include "config/backup_store.h"
#include "config/language_setting.h"
#include "config/platform_file_association.h"
#include "config/settings_file.h"
#include "link/cable.h"
#include "link/platform_link.h"
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
        const auto association = makePlatformFileAssociation(QString::fromLatin1(kApplicationName));
        PlatformPortLister portLister;
        CableBridgeLines bridgeLines(portLister);
        ControllerSession session(std::make_unique<PlatformSerialPort>(), portLister, bridgeLines,
                                  portOverrideFromEnvironment(), NumberFormat::fromLocale());
        MainWindow window(AppServices{
            .boxes = boxes,
            .shell = shell,
            .fileDialogs = dialogs,
            .safetyDialogs = safetyDialogs,
            .fileAssociation = *association,
            .session = session,
            .settingsFolder = settingsFolder,
            .backupFolder = BackupStore::defaultFolder(),
            .commandLine = app.arguments().mid(1),
            .language = translators.language(),
        });
        boxes.setParentWindow(&window);
        dialogs.setParentWindow(&window);
        safetyDialogs.setParentWindow(&window);
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
