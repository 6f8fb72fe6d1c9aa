#include "doctor/host_system.h"
#include "doctor/posix_acl.h"
#include "doctor/system_checks.h"
#include "doctor/system_facts.h"
#include "cables/port_discovery.h"

#include "fake_system.h"

#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

#include <sys/xattr.h>
#include <unistd.h>

#include <functional>
#include <tuple>

using namespace vexlor;

// What a row does to the machine before the checks run: a rider's laptop
// with one FTDI cable on /dev/ttyUSB0 that all is well with, unless changed.
using Setup = std::function<void(FakeMachine &, QString &portOverride)>;
Q_DECLARE_METATYPE(Setup)

namespace {

const QString kNode = QStringLiteral("/dev/ttyUSB0");
const QString kBrlttyRules = QStringLiteral("/usr/lib/udev/rules.d/85-brltty.rules");

// Debian's brltty rules, the FTDI claim on line 5.
const QByteArray kDebianBrltty = "ACTION==\"remove\", GOTO=\"brltty_end\"\n"
                                 "SUBSYSTEM!=\"usb\", GOTO=\"brltty_end\"\n"
                                 "# Device: 0403:6001\n"
                                 "# Albatross [all models]\n"
                                 "ENV{PRODUCT}==\"403/6001/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"at,ce,hm\", "
                                 "GOTO=\"brltty_usb_run\"\n"
                                 "ENV{PRODUCT}==\"10c4/ea60/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"sk\", "
                                 "GOTO=\"brltty_usb_run\"\n"
                                 "LABEL=\"brltty_end\"\n";

void noCable(FakeMachine &m)
{
    m = FakeMachine();
}

// The node root-only and the rider away from root's group: what a system
// without udev's rules (or with the node just re-created) shows.
void rootOnly(FakeMachine &m)
{
    m.system.nodes[kNode] = NodeStatus{0, 0, 0020600};
    m.system.openErrors[kNode] = EACCES;
}

void withCableRule(FakeMachine &m, const char *folder = "/usr/lib/udev/rules.d")
{
    m.system.files[QLatin1String(folder) + QStringLiteral("/70-vexlor-cable.rules")] = "SUBSYSTEM==\"tty\"\n";
}

void notInDialout(FakeMachine &m)
{
    m.system.me.groups = {1000};
    m.system.files[QStringLiteral("/etc/group")] = "root:x:0:\ndialout:x:20:\nrider:x:1000:\n";
}

void modemManagerRuns(FakeMachine &m)
{
    m.addProcess(530, "ModemManager", {}, false);
}

void brlttyInstalled(FakeMachine &m, const QByteArray &rules = kDebianBrltty)
{
    m.system.files[QStringLiteral("/usr/bin/brltty")] = {};
    m.system.files[kBrlttyRules] = rules;
}

} // namespace

// Every check's ok, warn, fail and skip on machines of the test's making:
// the status, what the detail must say and what the fix must hold (a command
// where there is one).
class TestDoctorChecks : public QObject {
    Q_OBJECT
private slots:
    void findings_data();
    void findings();
    void controllerWaitsForThePort_data();
    void controllerWaitsForThePort();
    void runningSystemAgreesWithTheFake();
    void oddPathsOnTheRunningSystem();
    void cableRuleCommandWritesTheRule();
};

void TestDoctorChecks::findings_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("check");
    QTest::addColumn<CheckStatus>("status");
    QTest::addColumn<QStringList>("detail"); // parts the detail holds
    QTest::addColumn<QString>("fix");        // a part of the fix; empty: no fix

    const auto row = [](const char *name, Setup setup, const char *check, CheckStatus status,
                        QStringList detail, const char *fix = "") {
        QTest::newRow(name) << setup << QString::fromLatin1(check) << status << detail << QString::fromUtf8(fix);
    };
    const Setup asIs = [](FakeMachine &, QString &) {};
    using S = CheckStatus;

    // cable
    row("cable ok", asIs, "cable", S::Ok,
        {"/dev/ttyUSB0", "USB 0403:6001 (FT232R USB UART)", "serial number A50285BI"});
    row("cable none, others listed", [](FakeMachine &m, QString &) {
        noCable(m);
        m.addUsbSerial(QStringLiteral("ttyACM0"), 0x2341, 0x0043, QStringLiteral("1-2"), QStringLiteral("cdc_acm"));
    }, "cable", S::Fail, {"No programming cable", "/dev/ttyACM0 (2341:0043)"}, "Plug the programming cable");
    row("cable none at all", [](FakeMachine &m, QString &) { noCable(m); }, "cable", S::Fail,
        {"No other USB serial port"}, "Plug");
    row("cable without serial port", [](FakeMachine &m, QString &) {
        noCable(m);
        m.addUsbDevice(QStringLiteral("1-4"), 0x0403, 0x6001);
    }, "cable", S::Fail, {"USB device 1-4 is present but has no serial port"}, "sudo modprobe ftdi_sio");
    row("two cables", [](FakeMachine &m, QString &) {
        m.addUsbSerial(QStringLiteral("ttyUSB1"), 0x0403, 0x6001, QStringLiteral("1-2"));
    }, "cable", S::Warn, {"2 cables", "/dev/ttyUSB0, /dev/ttyUSB1", "uses the last one found, /dev/ttyUSB1"}, "--port");
    row("named pseudo-terminal", [](FakeMachine &m, QString &port) {
        port = QStringLiteral("/dev/pts/3");
        m.system.nodes[port] = NodeStatus{1000, 5, 0020620};
        m.lister.extraNodes.insert(port);
    }, "cable", S::Skip, {"/dev/pts/3 is no USB serial port"});
    row("named device missing", [](FakeMachine &, QString &port) { port = QStringLiteral("/dev/ttyUSB7"); },
        "cable", S::Fail, {"No serial device at /dev/ttyUSB7"}, "vexlor-cli ports");
    row("named other adapter", [](FakeMachine &m, QString &port) {
        m.addUsbSerial(QStringLiteral("ttyUSB1"), 0x10c4, 0xea60, QStringLiteral("1-3"), QStringLiteral("cp210x"));
        port = QStringLiteral("/dev/ttyUSB1");
    }, "cable", S::Warn, {"/dev/ttyUSB1 is a USB serial port of 10c4:ea60"}, "Name the programming cable");
    // Named paths that are no serial port: the cable line says so, and no
    // later line advises the cable's fixes for them.
    for (const auto &[name, path, mode, openError] :
         {std::tuple{"named folder", "/home/rider", 040755u, EISDIR},
          std::tuple{"named file", "/home/rider/bike.vxc", 0100644u, ENOTTY},
          std::tuple{"named null device", "/dev/null", 0020666u, ENOTTY},
          std::tuple{"named terminal without one", "/dev/tty", 0020666u, ENXIO}}) {
        const QString at = QLatin1String(path);
        const Setup notAPort = [=](FakeMachine &m, QString &port) {
            port = at;
            m.system.nodes[at] = NodeStatus{0, 0, mode};
            m.system.openErrors[at] = openError;
            m.lister.extraNodes.insert(at);
        };
        const QByteArray label = QByteArray(name);
        row(label.constData(), notAPort, "cable", S::Fail, {at + QStringLiteral(" is not a serial port.")},
            "Name the cable's port (vexlor-cli ports lists them).");
        row(label + " access", notAPort, "access", S::Skip, {});
        row(label + " busy", notAPort, "busy", S::Skip, {});
    }

    // driver
    row("driver ok", asIs, "driver", S::Ok, {"ftdi_sio drives ttyUSB0", "/dev/ttyUSB0"});
    row("driver other", [](FakeMachine &m, QString &) {
        noCable(m);
        m.addUsbSerial(QStringLiteral("ttyUSB0"), 0x0403, 0x6001, QStringLiteral("1-1"),
                       QStringLiteral("usbserial_generic"));
    }, "driver", S::Warn, {"usbserial_generic drives ttyUSB0, not ftdi_sio"}, "sudo modprobe ftdi_sio");
    row("driver node missing", [](FakeMachine &m, QString &) { m.system.nodes.remove(kNode); }, "driver", S::Fail,
        {"The kernel made ttyUSB0, but its device node /dev/ttyUSB0 is missing"},
        "sudo udevadm trigger --action=add --parent-match=/sys/devices/pci0000:00/0000:00:14.0/usb1/1-1");
    row("driver none bound", [](FakeMachine &m, QString &) {
        noCable(m);
        m.addUsbDevice(QStringLiteral("1-4"), 0x0403, 0x6001);
    }, "driver", S::Fail, {"No kernel driver made a serial port of the cable's USB device 1-4"},
        "sudo modprobe ftdi_sio");
    row("driver usbfs", [](FakeMachine &m, QString &) {
        noCable(m);
        m.addUsbDevice(QStringLiteral("1-4"), 0x0403, 0x6001);
        m.system.links[FakeMachine::usbFolder(QStringLiteral("1-4")) + QStringLiteral("/1-4:1.0/driver")] =
            QStringLiteral("/sys/bus/usb/drivers/usbfs");
    }, "driver", S::Fail, {"holds the cable's USB device 1-4 directly (usbfs)"}, "Close the other program");
    row("driver without cable", [](FakeMachine &m, QString &) { noCable(m); }, "driver", S::Skip, {"No cable port"});

    // access
    row("access ok", asIs, "access", S::Ok, {"/dev/ttyUSB0 opens for reading and writing"});
    row("access held by the tool itself", [](FakeMachine &m, QString &) {
        m.addProcess(m.system.me.pid, "vexlor-adjustor", {kNode});
        m.system.openErrors[kNode] = EBUSY;
    }, "access", S::Ok, {"The tool holds /dev/ttyUSB0 open"});
    row("access held exclusively", [](FakeMachine &m, QString &) { m.system.openErrors[kNode] = EBUSY; },
        "access", S::Skip, {"(see busy)"});
    row("access root-only, no rule", [](FakeMachine &m, QString &) {
        rootOnly(m);
        notInDialout(m);
    }, "access", S::Fail, {"/dev/ttyUSB0 refuses you: owner root, group root, mode 0600.", "You are not in group root.",
                           "The cable rule 70-vexlor-cable.rules is not installed.", "no access entry for you"},
        "| sudo tee /etc/udev/rules.d/70-vexlor-cable.rules >/dev/null && sudo udevadm control --reload");
    row("access group added after login", [](FakeMachine &m, QString &) {
        m.system.openErrors[kNode] = EACCES;
        m.system.me.groups = {1000};
    }, "access", S::Fail, {"owner root, group dialout, mode 0660", "added to group dialout after this session began"},
        "Log out and in again");
    row("access rule installed, not applied", [](FakeMachine &m, QString &) {
        rootOnly(m);
        withCableRule(m);
    }, "access", S::Fail, {"is installed (/usr/lib/udev/rules.d/70-vexlor-cable.rules)"},
        "sudo udevadm trigger --action=add --parent-match=/sys/devices/pci0000:00/0000:00:14.0/usb1/1-1");
    row("access away from the seat", [](FakeMachine &m, QString &) {
        m.system.openErrors[kNode] = EACCES;
        notInDialout(m);
        withCableRule(m, "/etc/udev/rules.d");
    }, "access", S::Fail, {"You are not in group dialout.", "no access entry for you"},
        "sudo usermod -aG dialout $USER, then log out and in again");
    row("access entry yet refused", [](FakeMachine &m, QString &) {
        m.system.openErrors[kNode] = EACCES;
        notInDialout(m);
        withCableRule(m);
        m.system.acls[kNode] = posixAcl({{1000, 6}});
    }, "access", S::Fail, {"grants you access through the seat's access entry"}, "see sandbox");
    row("access refused though in the group", [](FakeMachine &m, QString &) { m.system.openErrors[kNode] = EACCES; },
        "access", S::Fail, {"You are in group dialout.", "is not installed"}, "see sandbox");
    row("access to another user's pseudo-terminal", [](FakeMachine &m, QString &port) {
        port = QStringLiteral("/dev/pts/3");
        m.system.nodes[port] = NodeStatus{0, 5, 0020600};
        m.system.openErrors[port] = EACCES;
        m.lister.extraNodes.insert(port);
    }, "access", S::Fail, {"owner root, group 5, mode 0600. You are not in group 5."},
        "Use /dev/pts/3 as its owner, root");
    row("access to a built-in port", [](FakeMachine &m, QString &port) {
        port = QStringLiteral("/dev/ttyS0");
        m.system.nodes[port] = NodeStatus{0, 20, 0020660};
        m.system.openErrors[port] = EACCES;
        m.lister.addOther(port, false);
        notInDialout(m);
    }, "access", S::Fail, {"You are not in group dialout."}, "sudo usermod -aG dialout $USER");
    // A group that may only read, or only write, the node is no way in: the
    // cable rule's group may, so installing the rule is the fix.
    for (const uint mode : {0020640u, 0020620u}) {
        row(mode == 0020640u ? "access group may only read" : "access group may only write",
            [mode](FakeMachine &m, QString &) {
                m.system.nodes[kNode] = NodeStatus{0, 20, mode};
                m.system.openErrors[kNode] = EACCES;
            },
            "access", S::Fail,
            {QStringLiteral("mode 0%1.").arg(mode & 0777, 0, 8),
             "You are in group dialout, but its members may not read and write the device."},
            "| sudo tee /etc/udev/rules.d/70-vexlor-cable.rules >/dev/null && sudo udevadm control --reload");
    }
    row("access entry of another user", [](FakeMachine &m, QString &) {
        rootOnly(m);
        m.system.acls[kNode] = posixAcl({{1001, 6}});
    }, "access", S::Fail, {"no access entry for you"}, "70-vexlor-cable.rules");

    // busy
    row("busy ok", asIs, "busy", S::Ok, {"No other process holds /dev/ttyUSB0 open."});
    row("busy named", [](FakeMachine &m, QString &) {
        m.addProcess(777, "minicom", {QStringLiteral("/dev/tty1"), kNode});
    }, "busy", S::Fail, {"held open by minicom (process 777)"}, "kill 777");
    row("busy by another user's process", [](FakeMachine &m, QString &) {
        modemManagerRuns(m);
        m.system.openErrors[kNode] = EBUSY;
    }, "busy", S::Fail, {"Another user's process holds /dev/ttyUSB0"}, "sudo fuser -v /dev/ttyUSB0");
    row("busy unseen only", [](FakeMachine &m, QString &) { modemManagerRuns(m); }, "busy", S::Ok,
        {"No other process of yours", "1 processes of other users"});
    row("busy pseudo-terminal", [](FakeMachine &m, QString &port) {
        port = QStringLiteral("/dev/pts/3");
        m.system.nodes[port] = NodeStatus{1000, 5, 0020620};
        m.lister.extraNodes.insert(port);
        m.addProcess(900, "vexlor-controll", {port});
    }, "busy", S::Skip, {"pseudo-terminal"});
    // A pseudo-terminal another program holds for itself: access and busy
    // name the holder, or say it is another user's.
    const Setup heldPty = [](FakeMachine &m, QString &port) {
        port = QStringLiteral("/dev/pts/3");
        m.system.nodes[port] = NodeStatus{1000, 5, 0020620};
        m.system.openErrors[port] = EBUSY;
        m.lister.extraNodes.insert(port);
        m.addProcess(901, "screen", {port});
    };
    row("busy pseudo-terminal held", heldPty, "busy", S::Fail, {"held open by screen (process 901)"}, "kill 901");
    row("access pseudo-terminal held", heldPty, "access", S::Skip,
        {"/dev/pts/3 is held for itself by screen (process 901)", "(see busy)"});
    const Setup heldByOtherUser = [](FakeMachine &m, QString &port) {
        port = QStringLiteral("/dev/pts/3");
        m.system.nodes[port] = NodeStatus{0, 5, 0020620};
        m.system.openErrors[port] = EBUSY;
        m.lister.extraNodes.insert(port);
        m.addProcess(902, "vexlor-cli", {port}, false);
    };
    row("busy pseudo-terminal of another user", heldByOtherUser, "busy", S::Fail,
        {"Another user's process holds /dev/pts/3"}, "sudo fuser -v /dev/pts/3");
    row("access pseudo-terminal of another user", heldByOtherUser, "access", S::Skip,
        {"Another user's process holds /dev/pts/3 for itself", "(see busy)"});

    // modemmanager
    row("modemmanager not running", asIs, "modemmanager", S::Ok, {"not running"});
    row("modemmanager probes", [](FakeMachine &m, QString &) { modemManagerRuns(m); }, "modemmanager", S::Warn,
        {"may probe /dev/ttyUSB0 (0403:6001)"},
        "'ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"'");
    row("modemmanager told to ignore", [](FakeMachine &m, QString &) {
        modemManagerRuns(m);
        m.system.files[QStringLiteral("/etc/udev/rules.d/99-serial.rules")] =
            "# ours\nSUBSYSTEMS==\"usb\", ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001|6015\", \\\n"
            "  ENV{ID_MM_DEVICE_IGNORE}=\"1\"\n";
    }, "modemmanager", S::Ok, {"told to ignore 0403:6001 (/etc/udev/rules.d/99-serial.rules)"});
    row("modemmanager ignores another product", [](FakeMachine &m, QString &) {
        modemManagerRuns(m);
        m.system.files[QStringLiteral("/etc/udev/rules.d/99-serial.rules")] =
            "ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6010\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"\n";
    }, "modemmanager", S::Warn, {"may probe"}, "ID_MM_DEVICE_IGNORE");

    // brltty
    row("brltty not installed", [](FakeMachine &m, QString &) { m.system.files[kBrlttyRules] = kDebianBrltty; },
        "brltty", S::Ok, {"brltty is not installed."});
    row("brltty claims the cable", [](FakeMachine &m, QString &) { brlttyInstalled(m); }, "brltty", S::Warn,
        {"(/usr/lib/udev/rules.d/85-brltty.rules, line 5) claims 0403:6001"},
        "sed -e '5,5s/^/#/' /usr/lib/udev/rules.d/85-brltty.rules | sudo tee /etc/udev/rules.d/85-brltty.rules");
    row("brltty rule edited in /etc", [](FakeMachine &m, QString &) {
        brlttyInstalled(m);
        m.system.files[QStringLiteral("/etc/udev/rules.d/85-brltty.rules")] = kDebianBrltty;
    }, "brltty", S::Warn, {"/etc/udev/rules.d/85-brltty.rules, line 5"},
        "sudo sed -i -e '5,5s/^/#/' /etc/udev/rules.d/85-brltty.rules && sudo udevadm control --reload");
    row("brltty rule masked", [](FakeMachine &m, QString &) {
        brlttyInstalled(m);
        m.system.links[QStringLiteral("/etc/udev/rules.d/85-brltty.rules")] = QStringLiteral("/dev/null");
    }, "brltty", S::Ok, {"do not claim 0403:6001"});
    row("brltty claim commented out", [](FakeMachine &m, QString &) {
        brlttyInstalled(m, QByteArray(kDebianBrltty).replace("ENV{PRODUCT}==\"403", "#ENV{PRODUCT}==\"403"));
    }, "brltty", S::Ok, {"do not claim"});
    row("brltty without cable", [](FakeMachine &m, QString &) {
        noCable(m);
        brlttyInstalled(m);
    }, "brltty", S::Skip, {"No cable port"});

    // latency
    row("latency at 1", [](FakeMachine &m, QString &) {
        const QString timer = QStringLiteral("/1-1:1.0/ttyUSB0/latency_timer");
        m.system.files[FakeMachine::usbFolder(QStringLiteral("1-1")) + timer] = "1\n";
    }, "latency", S::Ok, {"at 1 ms."});
    row("latency lowered while held", asIs, "latency", S::Ok, {"at 16 ms, and at 1 ms while the tool holds the port"});
    row("latency stays", [](FakeMachine &m, QString &) { m.system.heldLatency[kNode] = 16; }, "latency", S::Warn,
        {"stays at 16 ms"}, "echo 1 | sudo tee /sys/bus/usb-serial/devices/ttyUSB0/latency_timer");
    row("latency untried", [](FakeMachine &m, QString &) { rootOnly(m); }, "latency", S::Skip,
        {"at 16 ms", "does not open (see access)"});

    // sandbox
    row("sandbox none", asIs, "sandbox", S::Ok, {"outside Flatpak and Snap"});
    row("sandbox flatpak closed", [](FakeMachine &m, QString &) {
        m.system.files[QStringLiteral("/.flatpak-info")] =
            "[Application]\nname=io.github.vexlor.adjustor\n\n[Context]\nshared=network;ipc;\ndevices=dri;\n";
    }, "sandbox", S::Warn, {"Flatpak sandbox of io.github.vexlor.adjustor"},
        "flatpak override --user --device=all io.github.vexlor.adjustor");
    row("sandbox flatpak open", [](FakeMachine &m, QString &) {
        m.system.files[QStringLiteral("/.flatpak-info")] = "[Context]\ndevices=dri;all;\n";
        m.system.variables[QStringLiteral("FLATPAK_ID")] = QStringLiteral("io.github.vexlor.adjustor");
    }, "sandbox", S::Ok, {"may use every device"});
    row("sandbox snap refused", [](FakeMachine &m, QString &) {
        m.system.variables[QStringLiteral("SNAP_NAME")] = QStringLiteral("vexlor-adjustor");
        m.system.openErrors[kNode] = EACCES;
    }, "sandbox", S::Warn, {"snap vexlor-adjustor"}, "sudo snap connect vexlor-adjustor:raw-usb");
    row("sandbox snap named oddly", [](FakeMachine &m, QString &) {
        m.system.variables[QStringLiteral("SNAP_NAME")] = QStringLiteral("x'; rm -rf ~ #");
        m.system.openErrors[kNode] = EACCES;
    }, "sandbox", S::Warn, {"snap x'; rm -rf ~ #"}, "sudo snap connect 'x'\\''; rm -rf ~ #':raw-usb");
    row("sandbox snap granted", [](FakeMachine &m, QString &) {
        m.system.variables[QStringLiteral("SNAP_NAME")] = QStringLiteral("vexlor-adjustor");
    }, "sandbox", S::Ok, {"may open /dev/ttyUSB0"});
}

void TestDoctorChecks::findings()
{
    QFETCH(Setup, setup);
    QFETCH(QString, check);
    QFETCH(CheckStatus, status);
    QFETCH(QStringList, detail);
    QFETCH(QString, fix);
    FakeMachine machine;
    machine.addUsbSerial(QStringLiteral("ttyUSB0"));
    QString portOverride;
    setup(machine, portOverride);

    const SystemFindings findings = runSystemChecks(machine.system, machine.lister, portOverride);
    QStringList order;
    for (const CheckResult &r : findings.results)
        order << r.check;
    QCOMPARE(order, QStringList({"cable", "driver", "access", "busy", "modemmanager", "brltty", "latency", "sandbox"}));
    const CheckResult result = findings.results.at(order.indexOf(check));
    const QByteArray shown = reportLine(result).toUtf8();
    QVERIFY2(result.status == status, shown.constData());
    for (const QString &part : detail)
        QVERIFY2(result.detail.contains(part), shown.constData());
    // A fix exactly where something failed or warns.
    QCOMPARE(!result.fix.isEmpty(), status == CheckStatus::Warn || status == CheckStatus::Fail);
    QVERIFY2(result.fix.contains(fix), shown.constData());
}

// The controller is asked only through a port that opens and that no other
// process holds; otherwise its line says why not.
void TestDoctorChecks::controllerWaitsForThePort_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("reason"); // empty: the controller is asked
    QTest::newRow("all well") << Setup([](FakeMachine &, QString &) {}) << QString();
    QTest::newRow("warnings only") << Setup([](FakeMachine &m, QString &) {
        modemManagerRuns(m);
        brlttyInstalled(m);
    }) << QString();
    QTest::newRow("no cable") << Setup([](FakeMachine &m, QString &) { noCable(m); }) << QStringLiteral("No port");
    QTest::newRow("refused") << Setup([](FakeMachine &m, QString &) { rootOnly(m); }) << QStringLiteral("(see access)");
    QTest::newRow("held") << Setup([](FakeMachine &m, QString &) { m.addProcess(777, "minicom", {kNode}); })
                          << QStringLiteral("(see busy)");
}

void TestDoctorChecks::controllerWaitsForThePort()
{
    QFETCH(Setup, setup);
    QFETCH(QString, reason);
    FakeMachine machine;
    machine.addUsbSerial(QStringLiteral("ttyUSB0"));
    QString portOverride;
    setup(machine, portOverride);
    const SystemFindings findings = runSystemChecks(machine.system, machine.lister, portOverride);
    QCOMPARE(findings.controllerSkip.has_value(), !reason.isEmpty());
    if (findings.controllerSkip) {
        QCOMPARE(findings.controllerSkip->check, QStringLiteral("controller"));
        QCOMPARE(findings.controllerSkip->status, CheckStatus::Skip);
        QVERIFY(findings.controllerSkip->detail.contains(reason));
    }
}

// The running system read as the checks read it: the kernel takes the
// access list the fake's machines carry and the checks find the user's entry
// in what it gives back; this process's open file shows in /proc.
void TestDoctorChecks::runningSystemAgreesWithTheFake()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("node")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const HostSystem host;
    const facts::Holders holders = facts::holdersOf(host, file.fileName(), -1);
    QCOMPARE(holders.others.size(), 1);
    QCOMPARE(holders.others[0].pid, int(::getpid()));
    QCOMPARE(holders.others[0].name, QStringLiteral("test_doctor_che")); // comm keeps 15 characters
    QVERIFY(facts::holdersOf(host, file.fileName(), ::getpid()).self);

    const QByteArray acl = posixAcl({{1000, 6}});
    if (::setxattr(QFile::encodeName(file.fileName()).constData(), "system.posix_acl_access", acl.constData(),
                   size_t(acl.size()), 0)
        != 0)
        QSKIP("this file system keeps no access lists");
    const auto stored = host.extendedAttribute(file.fileName(), "system.posix_acl_access");
    QVERIFY(stored);
    QVERIFY(aclGrantsUserReadWrite(*stored, 1000));
    QVERIFY(!aclGrantsUserReadWrite(*stored, 1001));
    QVERIFY(!host.extendedAttribute(dir.path(), "system.posix_acl_access"));
}

// A folder, a file and the null device named as the port on the running
// system: not a serial port, and no line gives the cable's fixes for them.
void TestDoctorChecks::oddPathsOnTheRunningSystem()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("bike.vxc")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const HostSystem host;
    const SystemPortLister lister;
    for (const QString &path : {dir.path(), file.fileName(), QStringLiteral("/dev/null")}) {
        const SystemFindings findings = runSystemChecks(host, lister, path);
        const QByteArray cable = reportLine(findings.results.at(0)).toUtf8();
        QVERIFY2(findings.results.at(0).status == CheckStatus::Fail, cable.constData());
        QVERIFY2(findings.results.at(0).detail.contains(QStringLiteral("is not a serial port")), cable.constData());
        for (const CheckResult &result : findings.results.mid(1)) {
            const QByteArray line = reportLine(result).toUtf8();
            QVERIFY2(result.status != CheckStatus::Fail && !result.fix.contains(QStringLiteral("cable")),
                     line.constData());
        }
        QVERIFY(findings.controllerSkip);
    }
}

// The access fix that installs the cable rule carries its own copy, word by
// word: run by the shell, its first part writes the package's rule lines
// exactly, wherever the tool was installed from.
void TestDoctorChecks::cableRuleCommandWritesTheRule()
{
    FakeMachine machine;
    machine.addUsbSerial(QStringLiteral("ttyUSB0"));
    rootOnly(machine);
    notInDialout(machine);
    const QString fix = runSystemChecks(machine.system, machine.lister, {}).results.at(2).fix;
    const QString printing = fix.section(QStringLiteral(" | sudo tee "), 0, 0);
    QVERIFY2(printing.startsWith(QStringLiteral("printf ")), qPrintable(fix));

    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), printing});
    QVERIFY(shell.waitForFinished(30000));
    QFile rules(QStringLiteral(VEXLOR_CABLE_RULE_FILE));
    QVERIFY(rules.open(QIODevice::ReadOnly | QIODevice::Text));
    QByteArray expected;
    for (const QByteArray &line : rules.readAll().split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            expected += line + '\n';
    }
    QCOMPARE(shell.readAllStandardOutput(), expected);
}

QTEST_GUILESS_MAIN(TestDoctorChecks)
#include "test_doctor_checks.moc"
