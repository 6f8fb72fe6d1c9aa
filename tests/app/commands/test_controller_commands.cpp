// The window's controller commands over a fake port: start-up, the device
// monitor, read, write, the connection test and closing, as the user sees
// them in the status strip and in boxes.

#include "event_wait.h"
#include "link_faults.h"
#include "link_window.h"
#include "model_responder.h"

#include "pages/parameter_binding.h"
#include "basics/status_strip.h"

#include "cables/link_texts.h"
#include "dialogs/qt_message_boxes.h"
#include "doctor/system_checks.h"
#include "protocol/parameter_frame.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

using namespace vexlor;
using link_faults::LinkFault;
using link_faults::linkFaults;
using sim::FaultKind;
using sim::FaultPlan;

Q_DECLARE_METATYPE(vexlor::TransactionMode)

namespace {

const QString kTestCaption = QStringLiteral("Controller connection test result");
const QString kDoctorOffer = QStringLiteral("Connection Doctor…");

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

} // namespace

class TestControllerCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;
    std::unique_ptr<LinkWindow> t;
    std::shared_ptr<sim::ControllerModel> model;

    // A window whose port is found at /dev/ttyUSB0 and answered by a
    // controller model holding `values`.
    void connectedWindow(std::array<quint16, kProtocolItemCount> values = initialValues(),
                         FaultPlan fault = {})
    {
        t = std::make_unique<LinkWindow>();
        t->lister.addBridge(QStringLiteral("/dev/ttyUSB0"));
        t->create();
        model = std::make_shared<sim::ControllerModel>(values, 1, 35, fault);
        t->port->responder = modelResponder(model);
        TRY_COMPARE(labelState(t->label("Label15")), QStringLiteral("Device Connected on lime"));
    }

    [[nodiscard]] bool transactionOver() const { return waitForTransactionOver(*t); }

private slots:
    void initTestCase() { isolateFromTheDesktop(home); }
    void cleanup()
    {
        t.reset();
        model.reset();
    }

    // Guards start-up: the port found is closed, its cable's bridge line
    // raised (no cable, no line) and the port opened; Label15 shows the
    // result. No box, except for a port that refuses the user: the fix, once,
    // not again at the ticks that retry the port.
    void startUpShowsDeviceState_data()
    {
        QTest::addColumn<bool>("listed");
        QTest::addColumn<SerialPort::OpenError>("openFails");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("boxes");
        const auto none = SerialPort::OpenError::None;
        QTest::newRow("found") << true << none << "Device Connected on lime" << 0;
        QTest::newRow("not found") << false << none << "Device Lost on red" << 0;
        QTest::newRow("found, in use") << true << SerialPort::OpenError::InUse << "Device Lost on red" << 0;
        QTest::newRow("found, permission refused")
            << true << SerialPort::OpenError::PermissionDenied << "Device Lost on red" << 1;
    }
    void startUpShowsDeviceState()
    {
        QFETCH(bool, listed);
        QFETCH(SerialPort::OpenError, openFails);
        QFETCH(QString, state);
        QFETCH(int, boxes);
        t = std::make_unique<LinkWindow>();
        if (listed)
            t->lister.addBridge(QStringLiteral("/dev/ttyUSB0"));
        t->lister.addOther(QStringLiteral("/dev/ttyS0"), false);
        t->boxes.takeOffer = true;
        t->create();
        QSignalSpy doctor(t->window, &MainWindow::connectionDoctorRequested);
        t->port->failOpenWith = openFails;
        QTRY_VERIFY_WITH_TIMEOUT(!t->session->isStartingUp(), kHangMs);
        QCOMPARE(t->bridge.flags, listed ? QList<int>{1} : QList<int>{});
        QCOMPARE(labelState(t->label("Label15")), state);
        QCOMPARE(t->port->openedPaths,
                 listed && openFails == SerialPort::OpenError::None ? QStringList{"/dev/ttyUSB0"}
                                                                     : QStringList{});
        QCOMPARE(t->session->portPath(), listed ? "/dev/ttyUSB0" : "");
        t->tickMonitor();
        t->tickMonitor();
        QCOMPARE(t->log.size(), boxes);
        QCOMPARE(doctor.count(), boxes); // the box's offer taken
        if (boxes == 0)
            return;
        QCOMPARE(t->log[0].kind, QStringLiteral("error"));
        QCOMPARE(t->log[0].offer, kDoctorOffer);
        QCOMPARE(t->log[0].caption, QStringLiteral("Programming cable access"));
        QVERIFY(t->log[0].text.startsWith(
            QStringLiteral("You may not open the programming cable's serial port /dev/ttyUSB0.")));
        QVERIFY(t->log[0].text.contains(QStringLiteral("packaging/70-vexlor-cable.rules")));
        QVERIFY(t->log[0].text.contains(QStringLiteral("dialout")));
        QCOMPARE(labelState(t->label("Label15")), state);
    }

    // The box for a port refused for lack of permission advises what the
    // connection doctor advises for that node: for a root-owned 0600
    // pseudo-terminal its owner, not the cable rule; for the cable without
    // its rule, the doctor's command that installs it, which needs no file
    // of the source tree. Laid out in lines the box keeps, none splitting the
    // rule's name, the command pasted back as the doctor gives it.
    void accessBoxAdvisesForTheNode_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QStringList>("says");
        QTest::addColumn<QStringList>("never");
        QTest::newRow("root's pseudo-terminal")
            << QStringLiteral("/dev/pts/3")
            << QStringList{"You may not open /dev/pts/3.", "owner root, group tty, mode 0600",
                           "Use /dev/pts/3 as its owner, root, or ask them to let you use it."}
            << QStringList{"70-vexlor-cable.rules", "dialout", "cable"};
        QTest::newRow("cable without its rule")
            << QStringLiteral("/dev/ttyUSB0")
            << QStringList{"You may not open /dev/ttyUSB0.", "owner root, group root, mode 0600",
                           "70-vexlor-cable.rules is not installed", "/etc/udev/rules.d/70-vexlor-cable.rules"}
            << QStringList{"packaging/"};
    }
    void accessBoxAdvisesForTheNode()
    {
        QFETCH(QString, node);
        QFETCH(QStringList, says);
        QFETCH(QStringList, never);
        t = std::make_unique<LinkWindow>();
        FakeMachine machine; // the rider not in dialout, no cable rule installed
        machine.addUsbSerial(QStringLiteral("ttyUSB0"));
        machine.system.files[QStringLiteral("/etc/group")] = "root:x:0:\ntty:x:5:\ndialout:x:20:\n";
        machine.system.me.groups = {1000};
        machine.system.nodes[node] = NodeStatus{0, node.startsWith(u"/dev/pts/") ? 5u : 0u, 0020600};
        machine.system.openErrors[node] = EACCES;
        machine.lister.extraNodes.insert(node);
        t->system = machine.system;
        t->lister = machine.lister;
        const FakeSystem &system = t->system;
        if (node.startsWith(u"/dev/pts/"))
            qputenv("VEXLOR_PORT", node.toLocal8Bit());
        t->create();
        qunsetenv("VEXLOR_PORT");
        t->port->failOpenWith = SerialPort::OpenError::PermissionDenied;
        QTRY_VERIFY_WITH_TIMEOUT(!t->session->isStartingUp(), 10000);
        QCOMPARE(t->log.size(), 1);
        const QString text = t->log[0].text;
        QCOMPARE(t->log[0].offer, kDoctorOffer);
        for (const QString &part : says)
            QVERIFY2(QString(text).replace(u'\n', u' ').contains(part), qPrintable(text));
        for (const QString &part : never)
            QVERIFY2(!text.contains(part), qPrintable(text));

        const QStringList lines = text.split(u'\n');
        for (const QString &line : lines) {
            QVERIFY2(line.size() <= 80 || !line.contains(u' '), qPrintable(line));
            QVERIFY2(!line.contains(QStringLiteral("70-vexlor")) || line.contains(QStringLiteral("70-vexlor-cable.rules")),
                     qPrintable(line));
        }
        // The fix's lines, pasted into a shell, are the doctor's fix.
        const QString fix = text.section(QStringLiteral("To fix it:\n"), 1);
        const CheckResult access = accessFinding(system, t->lister, node);
        QCOMPARE(QString(fix).replace(QStringLiteral(" \\\n  "), QStringLiteral(" ")).replace(u'\n', u' '),
                 access.fix);

        // Shown as laid out: Qt wraps none of the lines again, however narrow.
        QTextDocument shown;
        shown.setHtml(QtMessageBoxes::laidOutHtml(text));
        shown.setTextWidth(120);
        (void)shown.size(); // lays the document out
        int shownLines = 0;
        for (QTextBlock block = shown.begin(); block.isValid(); block = block.next())
            shownLines += block.layout()->lineCount();
        QCOMPARE(shownLines, int(lines.size() - text.count(QStringLiteral("\n\n"))));
    }

    // Guards the monitor's transitions as Label15 shows them: unplugged,
    // plugged in under another name, and ticks that change nothing.
    void monitorFollowsThePort()
    {
        connectedWindow();
        auto *linkState = t->label("Label15");
        t->tickMonitor();
        QCOMPARE(labelState(linkState), QStringLiteral("Device Connected on lime"));
        QCOMPARE(t->port->openedPaths.size(), 1);

        t->lister.entries.clear();
        t->tickMonitor();
        QCOMPARE(labelState(linkState), QStringLiteral("Device Lost on red"));
        QVERIFY(!t->port->isOpen());
        t->tickMonitor();
        QCOMPARE(labelState(linkState), QStringLiteral("Device Lost on red"));

        t->lister.addBridge(QStringLiteral("/dev/ttyUSB3"));
        t->tickMonitor();
        QCOMPARE(labelState(linkState), QStringLiteral("Device Connected on lime"));
        QCOMPARE(t->port->openedPaths.last(), QStringLiteral("/dev/ttyUSB3"));
        QVERIFY(t->log.isEmpty());
        QCOMPARE(t->bridge.flags, QList<int>{1}); // the monitor never drives the line
    }

    // Guards the duplicate-device message: shown without stopping the
    // monitor, never a second one while it is open, again after it closed.
    void duplicateDeviceMessageNeverStacks()
    {
        t = std::make_unique<LinkWindow>();
        t->boxes.holdReports = true;
        t->lister.addBridge(QStringLiteral("/dev/ttyUSB0"));
        t->lister.addBridge(QStringLiteral("/dev/ttyUSB1"));
        t->create();
        QCOMPARE(t->log.size(), 1); // raised by start-up's discovery, the window goes on
        QCOMPARE(t->log[0].kind, QStringLiteral("error"));
        QCOMPARE(t->log[0].caption, kTestCaption);
        QCOMPARE(t->log[0].text, QStringLiteral("Another COM device using the same name is "
                                                "detected,\nplease remove it first."));
        TRY_COMPARE(labelState(t->label("Label15")), QStringLiteral("Device Connected on lime"));
        QCOMPARE(t->port->openedPaths, QStringList{"/dev/ttyUSB1"}); // the last one found

        t->tickMonitor();
        t->lister.entries.removeFirst();
        t->lister.addBridge(QStringLiteral("/dev/ttyUSB2")); // another port: two discoveries
        t->tickMonitor();
        t->tickMonitor();
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->port->openedPaths.last(), QStringLiteral("/dev/ttyUSB2"));

        t->boxes.closeReport();
        t->tickMonitor();
        QCOMPARE(t->log.size(), 2);
        QCOMPARE(t->boxes.openReports.size(), 1);
    }

    // Guards a read: values decoded into their controls with their side
    // effects (the level rule after index 20, CheckBox2 greying its group),
    // the status strip, and the closing message.
    void readFillsTheControls()
    {
        auto values = initialValues();
        values[1] = 300;  // 14.3 A
        values[8] = 0;    // pedal sensor off
        values[20] = 3;   // three assist levels
        values[48] = 123; // mOhm
        connectedWindow(values);
        const EncodedSet before = encodeAll(t->assembly->binding().snapshot(), t->window->numberFormat());
        QVERIFY(before.ok());

        t->actions().readSettings->trigger();
        QVERIFY(transactionOver());

        QCOMPARE(t->control<QLineEdit>("LabeledEdit16")->text(), QStringLiteral("14.3"));
        QCOMPARE(t->control<QLineEdit>("Edit7")->text(), QStringLiteral("123"));
        QCOMPARE(t->control<QLineEdit>("LabeledEdit4")->text(), QStringLiteral("3"));
        QVERIFY(t->control<QLineEdit>("LabeledEdit7")->isEnabled());   // level 3
        QVERIFY(!t->control<QLineEdit>("LabeledEdit8")->isEnabled());  // level 4
        QVERIFY(!t->control<QCheckBox>("CheckBox2")->isChecked());
        QVERIFY(!t->control<QGroupBox>("GroupBox2")->isEnabled());

        QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Pass on lime"));
        QCOMPARE(t->progress()->value(), 60);
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("information"));
        QCOMPARE(t->log[0].caption, QStringLiteral("Read controller result"));
        QCOMPARE(t->log[0].text, QStringLiteral("Configuration of the controller was read successfully."));
        // Read frames carry the window's values as they stood; no store.
        QCOMPARE(t->port->writes.size(), 60);
        for (int i = 0; i < 60; ++i)
            QCOMPARE(t->port->writes[i], buildParameterFrame(FrameCommand::Read, i, before.values[i]));
    }

    // Guards a write from F12 while a field still holds a typed value that its
    // exit rule would change: the rule bounds it first, and that is what is
    // sent, byte for byte, then stored. With both write options off this is
    // the plain write, frame for frame.
    // Also the strip and every link command while the frames go out.
    void writeSendsTheBoundedValues()
    {
        connectedWindow();
        t->plainWrites();
        QVERIFY(QTest::qWaitForWindowActive(t->window, kHangMs));
        QStringList during;
        const auto answer = t->port->responder;
        t->port->responder = [&](const QByteArray &written) {
            during << labelState(t->label("Label43")) + QStringLiteral(", ") + t->linkCommandsState();
            return answer(written);
        };
        auto *current = t->control<QLineEdit>("LabeledEdit16");
        current->setFocus(Qt::TabFocusReason);
        current->selectAll();
        QTest::keyClicks(current, QStringLiteral("35")); // above 30 A
        QTest::keyClick(current, Qt::Key_F12);
        QVERIFY(transactionOver());

        QCOMPARE(current->text(), QStringLiteral("30.0"));
        const QList<QByteArray> &writes = t->port->writes;
        QCOMPARE(writes.size(), 61);
        QCOMPARE(writes[0], hex("50530F0001000D0D0A"));
        QCOMPARE(writes[1], buildParameterFrame(FrameCommand::Write, 1, 630)); // 30 A
        QCOMPARE(writes[17], hex("50530F1140B0ED0D0A"));  // 1.2 V
        QCOMPARE(writes[34], hex("50530F2200002E0D0A"));  // reserved
        QCOMPARE(writes[60], QByteArray("PW\r\n"));
        auto expected = initialValues();
        expected[1] = 630;
        for (int i = 0; i < 60; ++i)
            QCOMPARE(writes[i], buildParameterFrame(FrameCommand::Write, i, expected[i]));
        QCOMPARE(model->values()[1], 630);
        QCOMPARE(model->storeCount(), 1);

        QCOMPARE(during.size(), 61);
        QCOMPARE(during.count(QStringLiteral("Busy on red, disabled")), 61);
        QCOMPARE(labelState(t->label("Label43")), QStringLiteral("Idle on lime"));
        QCOMPARE(t->linkCommandsState(), QStringLiteral("enabled"));
        QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Pass on lime"));
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("information"));
        QCOMPARE(t->log[0].caption, QStringLiteral("Write controller result"));
        QCOMPARE(t->log[0].text,
                 QStringLiteral("Configuration of the controller was written successfully."));
    }

    void writePhasesFollowTheOptions_data()
    {
        QTest::addColumn<bool>("backUp");
        QTest::addColumn<bool>("verify");
        QTest::newRow("both") << true << true;
        QTest::newRow("backup only") << true << false;
        QTest::newRow("verify only") << false << true;
        QTest::newRow("neither") << false << false;
    }
    // Guards a write's phases as the two options choose them: the backup read
    // before the sixty write frames and the store, the read-back after; read
    // frames carrying the values written; "Busy" with every link command off
    // through all phases, the bar spanning them; one backup file when backed
    // up; and the usual closing message.
    void writePhasesFollowTheOptions()
    {
        QFETCH(bool, backUp);
        QFETCH(bool, verify);
        connectedWindow();
        if (!backUp)
            t->actions().backUpBeforeWrite->trigger();
        if (!verify)
            t->actions().verifyAfterWrite->trigger();
        QStringList during;
        const auto answer = t->port->responder;
        t->port->responder = [&](const QByteArray &written) {
            during << labelState(t->label("Label43")) + QStringLiteral(", ") + t->linkCommandsState();
            return answer(written);
        };
        t->actions().writeSettings->trigger();
        QVERIFY(transactionOver());

        const auto values = initialValues();
        QList<QByteArray> expected;
        const auto sixty = [&](FrameCommand command) {
            for (int i = 0; i < kProtocolItemCount; ++i)
                expected << buildParameterFrame(command, i, values[i]);
        };
        if (backUp)
            sixty(FrameCommand::Read);
        sixty(FrameCommand::Write);
        expected << QByteArray("PW\r\n");
        if (verify)
            sixty(FrameCommand::Read);
        QCOMPARE(t->port->writes, expected);
        QCOMPARE(during.count(QStringLiteral("Busy on red, disabled")), int(expected.size()));

        const int frames = kProtocolItemCount * (1 + int(backUp) + int(verify));
        QCOMPARE(t->progress()->maximum(), frames);
        QCOMPARE(t->progress()->value(), frames);
        QCOMPARE(QDir(t->backupFolder.path()).entryList({"*.vxc"}, QDir::Files).size(), backUp ? 1 : 0);
        QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Pass on lime"));
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].text, link_faults::kWriteOk);
        QCOMPARE(t->linkCommandsState(), QStringLiteral("enabled"));

        // A read after it fills the bar's sixty steps again.
        t->log.clear();
        t->actions().readSettings->trigger();
        QVERIFY(transactionOver());
        QCOMPARE(t->progress()->maximum(), kProtocolItemCount);
        QCOMPARE(t->progress()->value(), kProtocolItemCount);
    }

    void transactionOutcomesAsTheUserSeesThem_data()
    {
        QTest::addColumn<int>("row");
        const auto faults = linkFaults();
        for (int row = 0; row < int(faults.size()); ++row)
            QTest::newRow(faults[row].name) << row;
    }
    // Guards every outcome of the shared fault table as the user sees it:
    // "Pass" or "Fail", the exact message and caption, the progress where it
    // stopped, the store only after sixty frames, a failure shown while the
    // strip still says "Busy" (the link commands back once it is closed), and
    // a failed store's notice followed by the installation guide. Writes are
    // the plain write (both write options off).
    void transactionOutcomesAsTheUserSeesThem()
    {
        QFETCH(int, row);
        const LinkFault &f = linkFaults()[row];
        connectedWindow(initialValues(), f.plan);
        t->plainWrites();
        // The result an earlier transaction left must not decide the message.
        if (f.passed)
            setStatusLabel(t->label("Label44"), QStringLiteral("Fail"), kRed);
        else
            setStatusLabel(t->label("Label44"), QStringLiteral("Pass"), kLime);

        QStringList whileShown;
        t->boxes.onShown = [&] {
            whileShown << labelState(t->label("Label43")) + QStringLiteral(", ") + t->linkCommandsState();
        };
        (f.write() ? t->actions().writeSettings : t->actions().readSettings)->trigger();
        QVERIFY(transactionOver());
        QCOMPARE(whileShown, QStringList{f.passed ? QStringLiteral("Idle on lime, enabled")
                                                  : QStringLiteral("Busy on red, disabled")});

        QCOMPARE(labelState(t->label("Label44")),
                 f.passed ? QStringLiteral("Pass on lime") : QStringLiteral("Fail on red"));
        QCOMPARE(t->progress()->value(), f.accepted);
        QCOMPARE(t->linkCommandsState(), QStringLiteral("enabled"));
        QCOMPARE(t->port->writes.contains(QByteArray("PW\r\n")), f.storeSent());
        QCOMPARE(t->log.first().kind, f.passed ? QStringLiteral("information") : QStringLiteral("error"));
        QCOMPARE(t->log.first().caption, f.caption());
        QCOMPARE(t->log.first().text, *f.message);
        // A controller that stopped answering: the box offers the doctor. A
        // failed store has its notice and the guide instead.
        QCOMPARE(t->log.first().offer,
                 !f.passed && *f.message != link_faults::kNotice ? kDoctorOffer : QString());
        if (*f.message == link_faults::kNotice) {
            QCOMPARE(t->log.size(), 2); // the notice first, then the guide
            QCOMPARE(t->log[1].kind, QStringLiteral("open"));
            QCOMPARE(QUrl(t->log[1].text).toLocalFile(),
                     t->window->programFolder() + QStringLiteral("ST-LINK_Installation_EN.pdf"));
        } else {
            QCOMPARE(t->log.size(), 1);
        }
    }

    // Guards a read cut short: what arrived is in the window, the rest keeps
    // the window's values.
    void interruptedReadKeepsWhatArrived()
    {
        auto values = initialValues();
        values[1] = 300;
        values[48] = 123;
        connectedWindow(values, FaultPlan{FaultKind::NoReply, 30, false});
        t->actions().readSettings->trigger();
        QVERIFY(transactionOver());
        QCOMPARE(t->log.first().text, link_faults::kInterrupted);
        QCOMPARE(t->control<QLineEdit>("LabeledEdit16")->text(), QStringLiteral("14.3"));
        QCOMPARE(t->control<QLineEdit>("Edit7")->text(), QStringLiteral("300"));
    }

    // Guards Read against edits: it asks "Save the changes to Untitled.vxc?"
    // first, and Cancel sends nothing and keeps the edit; Discard reads. The
    // values just read, and those just written, are no change: nothing is
    // asked before the next read.
    void readAsksAboutUnsavedChanges()
    {
        connectedWindow();
        auto *resistance = t->control<QLineEdit>("Edit7");
        resistance->setText(QStringLiteral("200"));
        t->boxes.saveAnswer = SaveChoice::Cancel;
        t->actions().readSettings->trigger();
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("save"));
        QCOMPARE(t->log[0].text, QStringLiteral("Save the changes to Untitled.vxc?"));
        QVERIFY(t->port->writes.isEmpty());
        QCOMPARE(labelState(t->label("Label43")), QStringLiteral("Idle on lime"));
        QCOMPARE(resistance->text(), QStringLiteral("200"));

        t->boxes.saveAnswer = SaveChoice::Discard;
        t->log.clear();
        t->actions().readSettings->trigger();
        QVERIFY(transactionOver());
        QCOMPARE(t->log.size(), 2);
        QCOMPARE(t->log[0].kind, QStringLiteral("save"));
        QCOMPARE(resistance->text(), QStringLiteral("300"));

        t->log.clear();
        t->actions().readSettings->trigger(); // read: no change
        QVERIFY(transactionOver());
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("information"));

        t->plainWrites();
        resistance->setText(QStringLiteral("200"));
        t->actions().writeSettings->trigger();
        QVERIFY(transactionOver());
        QCOMPARE(model->values()[48], 200);
        t->log.clear();
        t->actions().readSettings->trigger(); // written: no change
        QVERIFY(transactionOver());
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("information"));
    }

    // Guards a value that cannot be sent: the standard conversion box, nothing
    // sent, the strip untouched, the commands still usable.
    void encodingErrorSendsNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("read") << "ReadSettings1";
        QTest::newRow("write") << "WriteControllerSettings1";
        QTest::newRow("compare") << "CompareWithController1";
    }
    void encodingErrorSendsNothing()
    {
        QFETCH(QString, command);
        connectedWindow();
        t->control<QLineEdit>("LabeledEdit3")->setText(QString()); // stop delay
        // A transaction sends its first frame at once.
        t->window->findChild<QAction *>(command)->trigger();
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("standard"));
        QCOMPARE(t->log[0].text, QStringLiteral("'' is not a valid integer value."));
        QVERIFY(t->port->writes.isEmpty());
        QCOMPARE(labelState(t->label("Label43")), QStringLiteral("Idle on lime"));
        QCOMPARE(t->label("Label44")->text(), QStringLiteral("----"));
        QCOMPARE(t->linkCommandsState(), QStringLiteral("enabled"));
    }

    // Guards the connection test: the version in the question, Yes reading
    // exactly as the Read command does, No doing nothing more, and the error
    // when nothing (or no 0x59) comes back.
    void connectionTest_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("writes");
        const auto ok = [](const char *version) {
            return QStringLiteral("Connection to controller is OK!\nController software version: v")
                + QLatin1String(version)
                + QStringLiteral("\n\nWould you like to read the controller's configuration now?");
        };
        const QString none = QStringLiteral("Connection to controller is not detected!");
        QTest::newRow("full reply, yes") << hex("59012322") << true << "question" << ok("1-35") << 61;
        QTest::newRow("full reply, no") << hex("59012322") << false << "question" << ok("1-35") << 1;
        QTest::newRow("short reply") << hex("5901") << false << "question" << ok("1-0") << 1;
        QTest::newRow("wrong status") << hex("58012322") << true << "error" << none << 1;
        QTest::newRow("no reply") << QByteArray() << true << "error" << none << 1;
    }
    void connectionTest()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, answerYes);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(int, writes);
        connectedWindow();
        t->boxes.answerYes = answerYes;
        t->boxes.takeOffer = true;
        QSignalSpy doctor(t->window, &MainWindow::connectionDoctorRequested);
        QStringList during;
        const auto controller = t->port->responder;
        t->port->responder = [&](const QByteArray &written) -> std::optional<FakeSerialPort::Answer> {
            during << t->linkCommandsState();
            if (written != connectionTestFrame())
                return controller(written);
            if (reply.isEmpty())
                return std::nullopt;
            return FakeSerialPort::Answer{reply};
        };

        QTest::mouseClick(t->control<QToolButton>("SpeedButton4"), Qt::LeftButton);
        TRY_VERIFY(!t->log.isEmpty());
        QCOMPARE(t->log[0].kind, kind);
        QCOMPARE(t->log[0].caption, kTestCaption);
        QCOMPARE(t->log[0].text, text);
        // No answer: the box offers the doctor, and taking it asks for it.
        QCOMPARE(t->log[0].offer, kind == u"error" ? kDoctorOffer : QString());
        QCOMPARE(doctor.count(), kind == u"error" ? 1 : 0);
        if (writes > 1) {
            QVERIFY(transactionOver());
            QCOMPARE(t->log.size(), 2);
            QCOMPARE(t->log[1].text, QStringLiteral("Configuration of the controller was read successfully."));
            QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Pass on lime"));
            QCOMPARE(t->port->writes[1], buildParameterFrame(FrameCommand::Read, 0, 256));
        } else {
            QCOMPARE(t->log.size(), 1);
            QCOMPARE(t->label("Label44")->text(), QStringLiteral("----"));
        }
        QCOMPARE(t->port->writes.size(), writes);
        QCOMPARE(t->port->writes[0], connectionTestFrame());
        QCOMPARE(during.first(), QStringLiteral("disabled"));
        QCOMPARE(t->linkCommandsState(), QStringLiteral("enabled"));
    }

    // Guards the doctor's connection test, which runs through the same
    // session: the window shows no box of its own for it, and its link
    // commands come back.
    void doctorsTestShowsNoBox()
    {
        connectedWindow();
        QSignalSpy checked(t->session, &ControllerSession::connectionChecked);
        QCOMPARE(t->session->checkConnection(), ExchangeStart::Started);
        QVERIFY(checked.wait(kHangMs));
        QTest::qWait(20);
        QVERIFY(t->log.isEmpty());
        QCOMPARE(t->linkCommandsState(), QStringLiteral("enabled"));
        t->boxes.answerYes = false;
        t->actions().testConnection->trigger(); // the user's own test still asks
        TRY_COMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("question"));
    }

    // Guards closing: the port is closed at once, the bridge line dropped
    // after the pause, then the window goes and the application quits; no
    // question on the way while nothing was changed.
    void closingReleasesTheLinkThenQuits_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("Exit") << true;
        QTest::newRow("close button") << false;
    }
    void closingReleasesTheLinkThenQuits()
    {
        QFETCH(bool, byExit);
        connectedWindow();
        auto *timer = t->session->findChild<QTimer *>(QStringLiteral("Timer1"));
        bool portClosedAtOnce = false;
        QList<int> flagsAtOnce;
        bool visibleAtOnce = false;
        QTimer::singleShot(0, t->window, [&] {
            if (byExit)
                t->actions().exit->trigger();
            else
                t->window->close();
            portClosedAtOnce = !t->port->isOpen();
            flagsAtOnce = t->bridge.flags;
            visibleAtOnce = t->window->isVisible();
        });
        // Ends when the last window has closed, as the program's own loop does.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        QCOMPARE(QApplication::exec(), 0);

        QVERIFY(portClosedAtOnce);
        QCOMPARE(flagsAtOnce, QList<int>{1});
        QVERIFY(visibleAtOnce); // until the line is down
        QVERIFY(!timer->isActive());
        QCOMPARE(t->bridge.flags, (QList<int>{1, 0}));
        QCOMPARE(bridgeLineMask(t->bridge.flags.last()), 0x80);
        QVERIFY(!t->window->isVisible());
        QVERIFY(t->log.isEmpty());
    }
};

QTEST_MAIN(TestControllerCommands)
#include "test_controller_commands.moc"
