// A whole doctor run: the system's checks, then the connection test through
// the controller session over the in-memory port, as the command line (whose
// session has not started) and the window (whose session runs) use it; and
// the report in lines and in JSON.

#include "event_wait.h"
#include "doctor/doctor_run.h"

#include "fake_serial_port.h"
#include "fake_system.h"
#include "model_responder.h"

#include "session/controller_read.h"
#include "session/controller_session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

using namespace vexlor;

namespace {

enum class Controller { Answers, Silent, RefusesOpen, Busy };

} // namespace

Q_DECLARE_METATYPE(Controller)
Q_DECLARE_METATYPE(DoctorRun::SessionState)

class TestDoctorRun : public QObject {
    Q_OBJECT
private slots:
    void controllerLine_data();
    void controllerLine();
    void unreachedLine_data();
    void unreachedLine();
    void reportFormats();
};

void TestDoctorRun::controllerLine_data()
{
    QTest::addColumn<DoctorRun::SessionState>("state");
    QTest::addColumn<bool>("cable");
    QTest::addColumn<Controller>("controller");
    QTest::addColumn<CheckStatus>("status");
    QTest::addColumn<QString>("detail");
    using St = DoctorRun::SessionState;
    using C = Controller;
    QTest::newRow("cli: answers") << St::NotStarted << true << C::Answers << CheckStatus::Ok
                                  << QStringLiteral("The controller answers: software version v1-35.");
    QTest::newRow("cli: silent") << St::NotStarted << true << C::Silent << CheckStatus::Fail
                                 << QStringLiteral("The cable answers but the controller does not");
    QTest::newRow("cli: port refused") << St::NotStarted << true << C::RefusesOpen << CheckStatus::Fail
                                       << QStringLiteral("The tool may not open /dev/ttyUSB0 (see access)");
    QTest::newRow("cli: no cable") << St::NotStarted << false << C::Answers << CheckStatus::Skip
                                   << QStringLiteral("No port");
    QTest::newRow("window: answers") << St::Running << true << C::Answers << CheckStatus::Ok
                                     << QStringLiteral("v1-35");
    QTest::newRow("window: silent") << St::Running << true << C::Silent << CheckStatus::Fail
                                    << QStringLiteral("is the bike's battery on");
    QTest::newRow("window: device lost")
        << St::Running << true << C::RefusesOpen << CheckStatus::Fail << QStringLiteral("may not open");
    QTest::newRow("window: busy") << St::Running << true << C::Busy << CheckStatus::Skip
                                  << QStringLiteral("busy with the controller");
}

void TestDoctorRun::controllerLine()
{
    QFETCH(DoctorRun::SessionState, state);
    QFETCH(bool, cable);
    QFETCH(Controller, controller);
    QFETCH(CheckStatus, status);
    QFETCH(QString, detail);

    FakeMachine machine;
    if (cable)
        machine.addUsbSerial(QStringLiteral("ttyUSB0"));
    FakeBridgeLines bridges;
    bridges.noLine = true;
    auto *port = new FakeSerialPort;
    if (controller != Controller::Silent)
        port->responder = modelResponder(std::make_shared<sim::ControllerModel>(initialValues(), 1, 35));
    if (controller == Controller::RefusesOpen)
        port->failOpenWith = SerialPort::OpenError::PermissionDenied;
    ControllerSession session(std::unique_ptr<SerialPort>(port), machine.lister, bridges, QString());
    ControllerRead read(session, NumberFormat::point());
    if (state == DoctorRun::SessionState::Running) {
        QSignalSpy started(&session, &ControllerSession::startUpFinished);
        session.startUp();
        QVERIFY(started.wait(kHangMs));
        if (controller == Controller::Busy)
            QCOMPARE(read.start(initialValues()), ExchangeStart::Started);
    }
    QSignalSpy checkedBySession(&session, &ControllerSession::connectionChecked);

    DoctorRun run(machine.system, machine.lister, session, state);
    QSignalSpy systemChecked(&run, &DoctorRun::systemChecked);
    QSignalSpy finished(&run, &DoctorRun::finished);
    QVERIFY(run.start());
    QVERIFY(!run.start()); // one run at a time
    QCOMPARE(systemChecked.count(), 1);
    QCOMPARE(systemChecked.at(0).at(0).value<QList<CheckResult>>().size(), 8);
    QVERIFY(finished.wait(kHangMs));
    QVERIFY(!run.isRunning());

    const auto results = finished.at(0).at(0).value<QList<CheckResult>>();
    QCOMPARE(results.size(), 9);
    const CheckResult &line = results.last();
    QCOMPARE(line.check, QStringLiteral("controller"));
    QVERIFY2(line.status == status && line.detail.contains(detail), qPrintable(reportLine(line)));
    // Asked through the session exactly when the port opened and was free;
    // the command line's session was started by the run.
    const bool asked = cable && (controller == Controller::Answers || controller == Controller::Silent);
    QCOMPARE(checkedBySession.count(), asked ? 1 : 0);
    QCOMPARE(port->openedPaths.isEmpty(), !asked && controller != Controller::Busy);
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
}

// When the session cannot open the port: a hint points only to a check that
// ran (on Windows access and busy are skipped), and "the lines above" are
// named only when one of them shows a problem.
void TestDoctorRun::unreachedLine_data()
{
    QTest::addColumn<QList<CheckResult>>("above");
    QTest::addColumn<SerialPort::OpenError>("error");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<bool>("pointsAbove");
    const auto line = [](CheckStatus status, const char *check) {
        return CheckResult{status, QLatin1String(check), QStringLiteral("..."),
                           status == CheckStatus::Fail ? QStringLiteral("fix it") : QString()};
    };
    const CheckResult cable = line(CheckStatus::Ok, "cable");
    QList<CheckResult> windows{cable};
    QList<CheckResult> allWell{cable};
    for (const char *check : {"driver", "access", "busy", "modemmanager", "brltty", "latency", "sandbox"}) {
        windows << line(CheckStatus::Skip, check);
        allWell << line(CheckStatus::Ok, check);
    }
    QList<CheckResult> refused = allWell;
    refused[2] = line(CheckStatus::Fail, "access");
    using E = SerialPort::OpenError;
    QTest::newRow("windows: refused") << windows << E::PermissionDenied << QStringLiteral("may not open COM5.")
                                      << false;
    QTest::newRow("windows: in use") << windows << E::InUse << QStringLiteral("Another program is using COM5.")
                                     << false;
    QTest::newRow("linux: refused") << refused << E::PermissionDenied << QStringLiteral("(see access)") << true;
    QTest::newRow("linux: nothing above") << allWell << E::Other << QStringLiteral("COM5 does not open.") << false;
}

void TestDoctorRun::unreachedLine()
{
    QFETCH(QList<CheckResult>, above);
    QFETCH(SerialPort::OpenError, error);
    QFETCH(QString, detail);
    QFETCH(bool, pointsAbove);
    const CheckResult result = DoctorRun::unreachedFinding(QStringLiteral("COM5"), error, above);
    const QByteArray shown = reportLine(result).toUtf8();
    QVERIFY2(result.status == CheckStatus::Fail && result.detail.contains(detail), shown.constData());
    QVERIFY2(pointsAbove || !result.detail.contains(QStringLiteral("(see ")), shown.constData());
    QVERIFY2(!result.fix.isEmpty(), shown.constData());
    QCOMPARE(result.fix.contains(QStringLiteral("the lines above")), pointsAbove);
}

// One line a check: STATUS, CHECK, DETAIL, and FIX where there is one, each a
// single field; JSON with English keys and a null fix.
void TestDoctorRun::reportFormats()
{
    const QList<CheckResult> results{
        {CheckStatus::Ok, QStringLiteral("cable"), QStringLiteral("/dev/ttyUSB0: USB 0403:6001"), {}},
        {CheckStatus::Fail, QStringLiteral("busy"), QStringLiteral("held\tby\nminicom"),
         QStringLiteral("kill 7")},
        {CheckStatus::Skip, QStringLiteral("controller"), QStringLiteral("No port."), {}},
    };
    QCOMPARE(reportLine(results[0]), QStringLiteral("ok\tcable\t/dev/ttyUSB0: USB 0403:6001"));
    QCOMPARE(reportLine(results[1]), QStringLiteral("fail\tbusy\theld by minicom\tkill 7"));
    QCOMPARE(reportLine(results[2]), QStringLiteral("skip\tcontroller\tNo port."));
    QVERIFY(anyFailed(results));
    QVERIFY(!anyFailed(results.mid(2)));

    const QJsonArray json = QJsonDocument::fromJson(reportJson(results)).array();
    QCOMPARE(json.size(), 3);
    const QJsonObject busy = json.at(1).toObject();
    QCOMPARE(busy.keys(), QStringList({"check", "detail", "fix", "status"}));
    QCOMPARE(busy.value(QStringLiteral("status")).toString(), QStringLiteral("fail"));
    QCOMPARE(busy.value(QStringLiteral("detail")).toString(), QStringLiteral("held\tby\nminicom"));
    QCOMPARE(busy.value(QStringLiteral("fix")).toString(), QStringLiteral("kill 7"));
    QVERIFY(json.at(0).toObject().value(QStringLiteral("fix")).isNull());

    const QString report = reportWithVersions(results, QStringLiteral("vexlor-adjustor 1.35"));
    QVERIFY(report.startsWith(reportLine(results[0]) + u'\n'));
    QVERIFY(report.contains(QStringLiteral("\nprogram\tvexlor-adjustor 1.35, Qt ")));
    QVERIFY(report.contains(QStringLiteral("\nsystem\t")));
}

QTEST_GUILESS_MAIN(TestDoctorRun)
#include "test_doctor_run.moc"
