#pragma once

// A main window whose controller link runs over a fake port or the emulator,
// with boxes and the desktop recorded in one log so their order shows.

#include "event_wait.h"
#include "fake_serial_port.h"
#include "window_doubles.h"

#include "cables/port_discovery.h"
#include "port/qt_serial_port.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

// Keeps the window's desktop files out of the user's home and the port
// override out of the tests: call once before the first window.
inline void isolateFromTheDesktop(QTemporaryDir &home)
{
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    qunsetenv("VEXLOR_PORT");
}

// A window over a fake port or the emulator, with every box, dialog and
// document handed to the desktop in one log.
struct LinkWindow : WindowDoubles {
    vexlor::SystemPortLister systemLister;
    FakeBridgeLine &bridge = bridges.line;
    FakeSerialPort *port = nullptr; // owned by the session; null over the emulator
    std::unique_ptr<vexlor::WindowAssembly> assembly;
    vexlor::ControllerSession *session = nullptr;
    vexlor::MainWindow *window = nullptr;

    LinkWindow() { joinOneLog(); }

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
        assembly = assemble({std::move(serialPort), portLister, bridges,
                             vexlor::portOverrideFromEnvironment()});
        session = &assembly->session();
        window = &assembly->window();
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
        auto *timer = session->findChild<QTimer *>(QStringLiteral("Timer1"));
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
    }, kHangMs);
    QTest::qWait(20); // room for a second box that must not come
    return over;
}
