#pragma once

// A main window whose controller link runs over a fake port or the emulator,
// with boxes and the desktop recorded in one log so their order shows.

#include "recording_services.h"
#include "commands/controller_commands.h"

#include "link/port_discovery.h"
#include "link/qt_serial_port.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

// Every box and every document handed to the desktop, in order.
struct ShownItem {
    QString kind; // "standard", "error", "information", "question", "open", or a dialog's
    QString caption;
    QString text; // the box's text, or the opened URL
    QString offer; // a box's second button beside OK, if it has one
};

class LoggingBoxes final : public vexlor::MessageBoxes {
public:
    explicit LoggingBoxes(QList<ShownItem> &log) : m_log(log) {}

    bool answerYes = true;
    // Runs as each box appears, to look at the window while it is open.
    std::function<void()> onShown;
    // Reports shown without waiting stay open until the test closes them.
    bool holdReports = false;
    QList<std::function<void()>> openReports;

    void standardError(const QString &message) override
    {
        m_log.append({QStringLiteral("standard"), QString(), vexlor::standardErrorText(message)});
    }
    void error(const QString &caption, const QString &text) override
    {
        m_log.append({QStringLiteral("error"), caption, text});
        if (onShown)
            onShown();
    }
    void information(const QString &caption, const QString &text) override
    {
        m_log.append({QStringLiteral("information"), caption, text});
        if (onShown)
            onShown();
    }
    bool question(const QString &caption, const QString &text) override
    {
        m_log.append({QStringLiteral("question"), caption, text});
        return answerYes;
    }
    void showError(const QString &caption, const QString &text,
                   std::function<void()> closed) override
    {
        m_log.append({QStringLiteral("error"), caption, text});
        if (holdReports)
            openReports.append(std::move(closed));
        else if (closed)
            closed();
    }

    // Boxes that offer more help: taken when `takeOffer` says so.
    bool takeOffer = false;
    bool errorWithOffer(const QString &caption, const QString &text, const QString &offer) override
    {
        m_log.append({QStringLiteral("error"), caption, text, offer});
        if (onShown)
            onShown();
        return takeOffer;
    }
    void showErrorWithOffer(const QString &caption, const QString &text, const QString &offer,
                            std::function<void()> taken) override
    {
        m_log.append({QStringLiteral("error"), caption, text, offer});
        if (takeOffer && taken)
            taken();
    }

    // The user closes the oldest open report.
    void closeReport()
    {
        if (!openReports.isEmpty())
            openReports.takeFirst()();
    }

private:
    QList<ShownItem> &m_log;
};

class LoggingShell final : public vexlor::ShellOpener {
public:
    explicit LoggingShell(QList<ShownItem> &log) : m_log(log) {}
    void open(const QUrl &target) override
    {
        m_log.append({QStringLiteral("open"), QString(), target.toString()});
    }

private:
    QList<ShownItem> &m_log;
};

// Keeps the window's desktop files out of the user's home and the port
// override out of the tests: call once before the first window.
inline void isolateFromTheDesktop(QTemporaryDir &home)
{
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    qunsetenv("VEXLOR_PORT");
}

struct LinkWindow {
    QList<ShownItem> log;
    LoggingBoxes boxes{log};
    LoggingShell shell{log};
    ScriptedFileDialogs dialogs;
    RecordingSafetyDialogs safetyDialogs;
    RecordingFileAssociation association;
    QTemporaryDir settingsFolder;
    QTemporaryDir backupFolder;
    FakePortLister lister;
    vexlor::SystemPortLister systemLister;
    FakeBridgeLines bridges;
    FakeBridgeLine &bridge = bridges.line;
    FakeSerialPort *port = nullptr; // owned by the session; null over the emulator
    std::unique_ptr<vexlor::ControllerSession> session;
    std::unique_ptr<vexlor::MainWindow> window; // goes before the session it works with

    // Over a fake port, discovered through the fake lister.
    void create()
    {
        auto fake = std::make_unique<FakeSerialPort>();
        port = fake.get();
        create(std::move(fake), lister);
    }

    // Over the real serial port and port list, pointed at a device the way
    // the program's entry does it (VEXLOR_PORT names the emulator).
    void createWithRealPort()
    {
        create(std::make_unique<vexlor::QtSerialPort>(), systemLister);
    }

    void create(std::unique_ptr<vexlor::SerialPort> serialPort, const vexlor::PortLister &portLister)
    {
        // The dialogs join the one log, in order with the boxes.
        safetyDialogs.onShown = [this](const QString &kind) { log.append({kind, QString(), QString()}); };
        session = std::make_unique<vexlor::ControllerSession>(
            std::move(serialPort), portLister, bridges, vexlor::portOverrideFromEnvironment(),
            vexlor::NumberFormat::fromLocale());
        window = std::make_unique<vexlor::MainWindow>(vexlor::AppServices{
            .boxes = boxes,
            .shell = shell,
            .fileDialogs = dialogs,
            .safetyDialogs = safetyDialogs,
            .fileAssociation = association,
            .session = *session,
            .settingsFolder = settingsFolder.path(),
            .backupFolder = backupFolder.path(),
            .commandLine = {},
        });
        window->startUp();
        window->show();
    }

    template <typename T>
    [[nodiscard]] T *control(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    [[nodiscard]] QLabel *label(const char *name) const { return control<QLabel>(name); }
    [[nodiscard]] QProgressBar *progress() const { return control<QProgressBar>("ProgressBar1"); }
    [[nodiscard]] const vexlor::WindowActions &actions() const { return window->actions(); }

    // Connect > "Back Up Before Write" and "Verify After Write" unticked, as
    // the user would: a write is then the plain write.
    void plainWrites() const
    {
        for (QAction *option : {actions().backUpBeforeWrite, actions().verifyAfterWrite}) {
            if (option->isChecked())
                option->trigger();
        }
    }

    // Timer1 fires now, as it would every two seconds.
    void tickMonitor() const
    {
        auto *timer = window->findChild<QTimer *>(QStringLiteral("Timer1"));
        QMetaObject::invokeMethod(timer, "timeout");
    }

    // Whether the link commands and their tool-bar buttons are all enabled,
    // all disabled, or neither ("mixed").
    [[nodiscard]] QString linkCommandsState() const
    {
        const QList<bool> states = {
            actions().testConnection->isEnabled(), actions().readSettings->isEnabled(),
            actions().writeSettings->isEnabled(), actions().compareWithController->isEnabled(),
            control<QToolButton>("SpeedButton4")->isEnabled(),
            control<QToolButton>("SpeedButton5")->isEnabled(),
            control<QToolButton>("SpeedButton6")->isEnabled()};
        if (!states.contains(false))
            return QStringLiteral("enabled");
        if (!states.contains(true))
            return QStringLiteral("disabled");
        return QStringLiteral("mixed");
    }

    [[nodiscard]] QList<ShownItem> shown(const QString &kind) const
    {
        QList<ShownItem> result;
        for (const ShownItem &item : log)
            if (item.kind == kind)
                result.append(item);
        return result;
    }
};

// The text and background of a status label, "Busy on red".
inline QString labelState(const QLabel *label)
{
    const QColor c = label->palette().color(QPalette::Window);
    const QString colour = c == QColor(0, 255, 0) ? QStringLiteral("lime")
        : c == QColor(255, 0, 0)                 ? QStringLiteral("red")
                                                 : c.name();
    return label->text() + QStringLiteral(" on ") + colour;
}

// Waits until the window's exchange is over and its box has been shown.
[[nodiscard]] inline bool waitForTransactionOver(const LinkWindow &t)
{
    const bool over = QTest::qWaitFor([&] {
        return !t.log.isEmpty() && labelState(t.label("Label43")) == QStringLiteral("Idle on lime");
    }, 10000);
    QTest::qWait(20); // room for a second box that must not come
    return over;
}
