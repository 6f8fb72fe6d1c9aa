// The window over the real serial port and the controller emulator on a
// pseudo-terminal, found through VEXLOR_PORT as a user would point it there.

#include "event_wait.h"
#include "emulated_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

using namespace vexlor;

namespace {

const QString kInterrupted = QStringLiteral("Communication with controller interrupted!");
const QString kReadOk = QStringLiteral("Configuration of the controller was read successfully.");

} // namespace

class TestWindowOverEmulator : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;
    EmulatedWindow emulated;
    std::unique_ptr<LinkWindow> &t = emulated.t;
    std::unique_ptr<SimProcess> &sim = emulated.sim;

    // Starts the emulator and a window pointed at it; true once connected.
    bool connectedWindow(const QStringList &arguments) { return emulated.connect(arguments); }

    [[nodiscard]] bool transactionOver() const { return waitForTransactionOver(*t); }

    // Writes the window's values and returns the emulator's lines for it.
    QStringList writtenLines()
    {
        sim->collected.clear();
        t->actions().writeSettings->trigger();
        if (!transactionOver() || !QTest::qWaitFor([this] { return sim->lines().contains(u"store"); }, kHangMs))
            return {QStringLiteral("write hung")};
        return sim->lines();
    }

private slots:
    void initTestCase() { isolateFromTheDesktop(home); }
    void cleanup()
    {
        t.reset();
        sim.reset();
        qunsetenv("VEXLOR_PORT");
    }

    // Guards start-up through VEXLOR_PORT: the emulator's device is opened;
    // a path naming nothing gives "Device Lost" and no box.
    void startUpThroughThePortVariable()
    {
        QVERIFY(connectedWindow({}));
        QCOMPARE(t->bridge.flags, QList<int>{1});
        QVERIFY(t->session->isOpen());
        t.reset();

        qputenv("VEXLOR_PORT", "/dev/vexlor-no-such-port");
        t = std::make_unique<LinkWindow>();
        t->createWithRealPort();
        TRY_COMPARE(labelState(t->label("Label15")), QStringLiteral("Device Lost on red"));
        QVERIFY(t->log.isEmpty());
    }

    // Guards read and write end to end: the controller's values land in the
    // controls with their side effects, and a write from F12 stores the
    // window's values, the one typed and not left included.
    void readThenWrite()
    {
        // Three levels rising to 100 %, so the write asks nothing.
        QVERIFY(connectedWindow(
            {"--set", "1=300", "--set", "8=0", "--set", "20=3", "--set", "23=100", "--set", "48=123"}));
        QVERIFY(QTest::qWaitForWindowActive(t->window, kHangMs));
        auto *current = t->control<QLineEdit>("LabeledEdit16");
        current->setFocus(Qt::TabFocusReason);
        QTest::keyClick(current, Qt::Key_F3);
        QVERIFY(transactionOver());
        QCOMPARE(t->log[0].text, kReadOk);
        QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Pass on lime"));
        QCOMPARE(current->text(), QStringLiteral("14.3"));
        QCOMPARE(t->control<QLineEdit>("Edit7")->text(), QStringLiteral("123"));
        QVERIFY(!t->control<QLineEdit>("LabeledEdit8")->isEnabled()); // level 4 of 3
        QVERIFY(!t->control<QGroupBox>("GroupBox2")->isEnabled());

        t->log.clear();
        current->selectAll();
        QTest::keyClicks(current, QStringLiteral("35"));
        QTest::keyClick(current, Qt::Key_F12);
        QVERIFY(transactionOver());
        QCOMPARE(t->log[0].text, QStringLiteral("Configuration of the controller was written successfully."));
        TRY_VERIFY(sim->lines().contains(QStringLiteral("store")));
        const QStringList lines = sim->lines();
        QCOMPARE(lines.size(), 60); // indices 1 to 59, then the store
        QCOMPARE(lines.last(), QStringLiteral("store"));
        QVERIFY(lines.contains(QStringLiteral("write 1 630"))); // 35 A bounded to 30 first
        QVERIFY(lines.contains(QStringLiteral("write 8 0")));
        QVERIFY(lines.contains(QStringLiteral("write 20 3")));
        QVERIFY(lines.contains(QStringLiteral("write 48 123")));
    }

    // Guards imperial units over the wire: switching units changes no value
    // (read, Imperial, write sends the sixty values a write sends in metric,
    // the speed's tenth too where 0.1 mph would miss it), and a speed typed
    // in mph is sent as the nearest tenth of km/h and shown as the mph it is.
    void imperialUnitsSendWhatWasRead()
    {
        QVERIFY(connectedWindow({"--set", "5=321", "--set", "1=300", "--set", "7=2193"}));
        QVERIFY(QTest::qWaitForWindowActive(t->window, kHangMs));
        const auto readThenWrite = [this] {
            sim->collected.clear();
            t->actions().readSettings->trigger();
            if (!transactionOver())
                return QStringList{QStringLiteral("read hung")};
            return writtenLines();
        };
        const QStringList metric = readThenWrite();
        QCOMPARE(metric.size(), 60);
        QVERIFY(metric.contains(QStringLiteral("write 5 321")));

        sim->collected.clear();
        t->actions().readSettings->trigger();
        QVERIFY(transactionOver());
        t->actions().speedUnits.last()->trigger(); // Help > Units > Imperial
        auto *speed = t->control<QLineEdit>("LabeledEdit15");
        QCOMPARE(speed->text(), QStringLiteral("19.95")); // 19.9 mph would be 32.0 km/h
        QCOMPARE(writtenLines(), metric);

        speed->setFocus(Qt::TabFocusReason);
        speed->selectAll();
        QTest::keyClicks(speed, QStringLiteral("20"));
        QTest::keyClick(speed, Qt::Key_Return);
        QCOMPARE(speed->text(), QStringLiteral("20.0")); // 32.2 km/h, 20.008 mph
        const QStringList typed = writtenLines();
        QVERIFY(typed.contains(QStringLiteral("write 5 322")));
        t->actions().speedUnits.first()->trigger(); // back to metric: the value stays
        QCOMPARE(speed->text(), QStringLiteral("32.2"));
        QCOMPARE(writtenLines(), typed);
    }

    // Guards the connection test against the emulator: its version in the
    // question, and Yes reading the configuration.
    void connectionTestOffersTheRead()
    {
        QVERIFY(connectedWindow({"--version", "1-35", "--set", "48=77"}));
        t->actions().testConnection->trigger();
        QVERIFY(transactionOver());
        QCOMPARE(t->log.size(), 2);
        QCOMPARE(t->log[0].kind, QStringLiteral("question"));
        QVERIFY(t->log[0].text.contains(QStringLiteral("Controller software version: v1-35\n")));
        QCOMPARE(t->log[1].text, kReadOk);
        QCOMPARE(t->control<QLineEdit>("Edit7")->text(), QStringLiteral("77"));
    }

    // Guards a store the controller does not acknowledge: "Fail", the notice,
    // then the installation guide through the desktop.
    void unacknowledgedStoreOpensTheGuide()
    {
        QVERIFY(connectedWindow({"--fault", "no-store-reply"}));
        t->actions().writeSettings->trigger();
        QVERIFY(transactionOver());
        QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Fail on red"));
        QCOMPARE(t->log.size(), 2);
        QCOMPARE(t->log[0].caption, QStringLiteral("Notice"));
        QCOMPARE(t->log[1].kind, QStringLiteral("open"));
        QVERIFY(t->log[1].text.endsWith(QStringLiteral("/ST-LINK_Installation_EN.pdf")));
    }

    // Guards a cable pulled while the window reads at the real wire pace: the
    // window keeps handling events throughout, says "interrupted" once, and
    // the monitor's next tick shows the device lost.
    void pulledCableDuringTheWindowsRead()
    {
        QVERIFY(connectedWindow({"--paced", "--fault", "cable-pulled", "--at-frame", "30"}));
        auto *activity = t->label("Label43");
        int heartbeatsWhileBusy = 0;
        QTimer heartbeat;
        heartbeat.setInterval(5);
        connect(&heartbeat, &QTimer::timeout, this, [&] {
            if (activity->text() == QStringLiteral("Busy"))
                ++heartbeatsWhileBusy;
        });
        heartbeat.start();

        t->actions().readSettings->trigger();
        QCOMPARE(activity->text(), QStringLiteral("Busy"));
        bool postedRanWhileBusy = false;
        QTimer::singleShot(0, this, [&] { postedRanWhileBusy = activity->text() == QStringLiteral("Busy"); });
        QVERIFY(transactionOver());
        QVERIFY(postedRanWhileBusy);
        QVERIFY(heartbeatsWhileBusy > 0);

        QCOMPARE(t->progress()->value(), 30);
        QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Fail on red"));
        t->tickMonitor();
        QCOMPARE(labelState(t->label("Label15")), QStringLiteral("Device Lost on red"));
        TRY_COMPARE(sim->process.state(), QProcess::NotRunning); // the emulator hung up
        t->tickMonitor();
        QCOMPARE(labelState(t->label("Label15")), QStringLiteral("Device Lost on red"));
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("error"));
        QCOMPARE(t->log[0].caption, QStringLiteral("Error"));
        QCOMPARE(t->log[0].text, kInterrupted);
        QCOMPARE(t->linkCommandsState(), QStringLiteral("enabled"));
    }
};

QTEST_MAIN(TestWindowOverEmulator)
#include "test_window_over_emulator.moc"
