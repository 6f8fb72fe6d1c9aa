// Help > Connection Doctor over a machine of the test's making and the
// controller session over the in-memory port: a row a check with its
// picture, what was found and the fix; the controller's row while it is
// asked and after; Copy Report; Run Again.

#include "event_wait.h"
#include "dialogs/connection_doctor_dialog.h"

#include "doctor/doctor_run.h"
#include "session/controller_session.h"

#include "fake_serial_port.h"
#include "fake_system.h"
#include "model_responder.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace vexlor;

class TestConnectionDoctorDialog : public QObject {
    Q_OBJECT
private slots:
    void rowsPicturesFixesAndReport();
};

// A laptop whose cable works, where brltty claims the cable (a warning with
// its fix) and a program with markup in its name holds the port (a failure
// quoted as it is); the window's session runs.
void TestConnectionDoctorDialog::rowsPicturesFixesAndReport()
{
    FakeMachine machine;
    machine.addUsbSerial(QStringLiteral("ttyUSB0"));
    machine.system.files[QStringLiteral("/usr/bin/brltty")] = {};
    machine.system.files[QStringLiteral("/usr/lib/udev/rules.d/85-brltty.rules")]
        = "ENV{PRODUCT}==\"403/6001/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"at\", GOTO=\"brltty_usb_run\"\n";
    FakeBridgeLines bridges;
    bridges.noLine = true;
    auto *port = new FakeSerialPort;
    port->responder = modelResponder(std::make_shared<sim::ControllerModel>(initialValues(), 1, 35));
    ControllerSession session(std::unique_ptr<SerialPort>(port), machine.lister, bridges, QString());
    QSignalSpy started(&session, &ControllerSession::startUpFinished);
    session.startUp();
    QVERIFY(started.wait(kHangMs));
    DoctorRun run(machine.system, machine.lister, session, DoctorRun::SessionState::Running);
    ConnectionDoctorDialog dialog(run, QStringLiteral("vexlor-adjustor v1.35"));
    QSignalSpy finished(&run, &DoctorRun::finished);
    const auto label = [&dialog](const QString &name) { return dialog.findChild<QLabel *>(name); };
    auto *runAgain = dialog.findChild<QPushButton *>(QStringLiteral("RunAgainButton"));
    auto *copy = dialog.findChild<QPushButton *>(QStringLiteral("CopyReportButton"));

    dialog.showAndRun();
    QVERIFY(dialog.isVisible());
    // The controller still being asked: its row says so; nothing to copy yet.
    QCOMPARE(label(QStringLiteral("Status_controller"))->accessibleName(),
             QStringLiteral("Asking the controller…"));
    QVERIFY(!runAgain->isEnabled() && !copy->isEnabled());
    QVERIFY(finished.wait(kHangMs));
    QVERIFY(runAgain->isEnabled() && copy->isEnabled());

    const QList<std::pair<const char *, const char *>> pictures
        = {{"cable", "Passed"}, {"brltty", "Warning"}, {"latency", "Passed"}, {"controller", "Passed"}};
    for (const auto &[check, words] : pictures)
        QCOMPARE(label(QStringLiteral("Status_") + QLatin1String(check))->accessibleName(),
                 QLatin1String(words));
    QVERIFY(label(QStringLiteral("Detail_controller"))->text().contains(QStringLiteral("v1-35")));
    QVERIFY(
        label(QStringLiteral("Fix_brltty"))->text().startsWith(QStringLiteral("Fix: sed -e '1,1s/^/#/'")));
    QVERIFY(!label(QStringLiteral("Fix_cable")));

    // Run Again with a program holding the port: the rows are made anew, the
    // program's name shown as it is, never as markup.
    machine.addProcess(777, "<b>term</b>", {QStringLiteral("/dev/ttyUSB0")});
    QTest::mouseClick(runAgain, Qt::LeftButton);
    QVERIFY(finished.wait(kHangMs));
    QCOMPARE(dialog.findChildren<QLabel *>(QStringLiteral("Status_busy")).size(), 1);
    QLabel *busy = label(QStringLiteral("Detail_busy"));
    QCOMPARE(busy->textFormat(), Qt::PlainText);
    QVERIFY(busy->text().contains(QStringLiteral("<b>term</b> (process 777)")));
    QCOMPARE(label(QStringLiteral("Status_busy"))->accessibleName(), QStringLiteral("Failed"));
    QCOMPARE(label(QStringLiteral("Status_controller"))->accessibleName(), QStringLiteral("Not applicable"));

    QTest::mouseClick(copy, Qt::LeftButton);
    const QString report = QApplication::clipboard()->text();
    QCOMPARE(report, dialog.report());
    QVERIFY(report.startsWith(QStringLiteral("ok\tcable\t/dev/ttyUSB0: USB 0403:6001")));
    QVERIFY(report.contains(
        QStringLiteral("\nfail\tbusy\t/dev/ttyUSB0 is held open by <b>term</b> (process 777).\t")));
    QVERIFY(report.contains(QStringLiteral("\n\nprogram\tvexlor-adjustor v1.35, Qt ")));
}

QTEST_MAIN(TestConnectionDoctorDialog)
#include "test_connection_doctor_dialog.moc"
