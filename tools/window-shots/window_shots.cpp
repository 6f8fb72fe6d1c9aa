// window-shots: saves pictures of the main window's two tabs and of the splash
// banner, for the README and for checking the layout by eye.
//   window-shots OUTPUT_FOLDER
// Run it on a real display server (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
// The window starts as on a machine without a controller cable and without a
// reopen list; nothing of the desktop or the user's files is touched.

#include "file_dialogs.h"
#include "main_window.h"
#include "message_boxes.h"
#include "safety_dialogs.h"
#include "shell_opener.h"
#include "splash_window.h"

#include "config/file_association.h"
#include "link/cable.h"
#include "link/port_discovery.h"
#include "link/qt_serial_port.h"
#include "session/controller_session.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

using namespace vexlor;

// Nothing is shown, opened, chosen or registered.
class NoBoxes final : public MessageBoxes {
public:
    void standardError(const QString &) override {}
    void error(const QString &, const QString &) override {}
    void information(const QString &, const QString &) override {}
    bool question(const QString &, const QString &) override { return false; }
};

class NoShell final : public ShellOpener {
public:
    void open(const QUrl &) override {}
};

class NoDialogs final : public FileDialogs {
public:
    QString chooseFileToOpen() override { return {}; }
    QString chooseFileToSave() override { return {}; }
};

class NoSafetyDialogs final : public SafetyDialogs {
public:
    ComparisonChoice showComparison(const QList<DifferenceRow> &) override
    {
        return ComparisonChoice::Close;
    }
    QString chooseBackup(const QList<BackupRow> &) override { return {}; }
    void showVerifyFailure(const QList<DifferenceRow> &) override {}
};

class NoAssociation final : public FileAssociation {
public:
    bool registerFileType(const QString &, const QString &, const QString &, const QString &) override
    {
        return true;
    }
};

// No serial port at all, so the window shows the device as lost.
class NoPorts final : public PortLister {
public:
    QList<SerialPortEntry> ports() const override { return {}; }
    bool exists(const QString &) const override { return false; }
};

class NoBridgeLines final : public BridgeLineProvider {
public:
    BridgeLine *bridgeLineFor(const QString &) override { return nullptr; }
};

bool saveShots(MainWindow &window, const QDir &out)
{
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    bool saved = pages != nullptr;
    for (int page = 0; saved && page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        const QString name = page == 0 ? QStringLiteral("general") : QStringLiteral("motor");
        saved = window.grab().save(out.filePath(QStringLiteral("screenshot-%1.png").arg(name)));
    }
    return saved;
}

} // namespace

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

    NoBoxes boxes;
    NoShell shell;
    NoDialogs dialogs;
    NoSafetyDialogs safetyDialogs;
    NoAssociation association;
    QTemporaryDir settingsFolder;
    QTemporaryDir backupFolder;
    NoPorts ports;
    NoBridgeLines bridgeLines;
    ControllerSession session(std::make_unique<QtSerialPort>(), ports, bridgeLines, QString(),
                              NumberFormat::fromLocale());
    MainWindow window(AppServices{
        .boxes = boxes,
        .shell = shell,
        .fileDialogs = dialogs,
        .safetyDialogs = safetyDialogs,
        .fileAssociation = association,
        .session = session,
        .settingsFolder = settingsFolder.path(),
        .backupFolder = backupFolder.path(),
        .commandLine = {},
    });
    window.startUp();
    window.show();
    bool saved = false;
    // After the start-up's link steps have shown the device state.
    QTimer::singleShot(1000, &window, [&] {
        saved = saveShots(window, out);
        app.quit();
    });
    app.exec();
    return saved ? 0 : 1;
}
