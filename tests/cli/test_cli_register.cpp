// The register as vexlor-cli keeps it against the emulator: a record of
// every operation with its fields, history's filters and forms, and a
// register that cannot take the record, which never stops a write.

#include "event_wait.h"
#include "file_bytes.h"
#include "sim_process.h"

#include "cli_run.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {

// The CLI with a data folder of the test's own (where the register and the
// backups go), against the emulator at `port`.
CliRun runIn(const QString &dataHome, const QStringList &args, const QString &port = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    environment.remove(QStringLiteral("VEXLOR_PORT"));
    if (!port.isEmpty())
        environment.insert(QStringLiteral("VEXLOR_PORT"), port);
    return runWithEnvironment(QStringLiteral(VEXLOR_CLI_PATH), args, environment);
}

QString registerIn(const QString &dataHome)
{
    return dataHome + QStringLiteral("/vexlor-adjustor/register.sqlite");
}

QJsonArray historyIn(const QString &dataHome, const QStringList &options = {})
{
    const CliRun run = runIn(dataHome, QStringList{QStringLiteral("history"), QStringLiteral("--json")} + options);
    return QJsonDocument::fromJson(run.out).array();
}

QString field(const QJsonValue &record, const char *name)
{
    return record.toObject().value(QLatin1String(name)).toString();
}

QString printed(const CliRun &run)
{
    return QString::fromLocal8Bit(run.out).trimmed();
}

} // namespace

class TestCliRegister : public QObject {
    Q_OBJECT
private slots:
    // read, compare, write, a backup written back and a sheet each leave one
    // record, newest first, with who, where, the bike, the controller, the
    // fingerprints before and after, the road check, the paths and how it ended.
    void everyOperationLeavesItsRecord()
    {
        QTemporaryDir home;
        QTemporaryDir dir;
        SimProcess sim;
        const QString port = sim.start({"--set", "1=300"});
        const QString file = writeFile(dir, "f.vxc", "1\r\n15.0\r\n");
        const QString held = printed(runIn(home.path(), {QStringLiteral("fingerprint")}, port));
        const QString wanted = printed(runIn(home.path(), {QStringLiteral("fingerprint"), file}));
        const QString readFile = dir.filePath(QStringLiteral("read.vxc"));
        const QStringList bike{QStringLiteral("--bike"), QStringLiteral("WBX 1, Ode")};
        QCOMPARE(runIn(home.path(), QStringList{"read", readFile} + bike, port).exitCode, 0);
        QCOMPARE(runIn(home.path(), {"compare", file}, port).exitCode, 3);
        const CliRun write = runIn(home.path(), QStringList{"--bike", "WBX 1, Ode", "write", file}, port);
        QCOMPARE(write.exitCode, 0);
        const QString backup = QString::fromLocal8Bit(write.err.split('\n').value(0).mid(8));
        QCOMPARE(runIn(home.path(), {"write", backup}, port).exitCode, 0);
        const QString pdf = dir.filePath(QStringLiteral("s.pdf"));
        QCOMPARE(runIn(home.path(), {"sheet", file, "-o", pdf, "--class", "eu-epac"}).exitCode, 0);

        const QJsonArray records = historyIn(home.path());
        QCOMPARE(records.size(), 5);
        QStringList operations;
        for (const QJsonValue &record : records) {
            operations.append(field(record, "operation"));
            QVERIFY(!field(record, "uuid").isEmpty() && !field(record, "host").isEmpty());
            QCOMPARE(field(record, "tool_version"), QStringLiteral("1.35"));
            QCOMPARE(record.toObject().value(u"delivered").toBool(true), false);
        }
        QCOMPARE(operations, (QStringList{"sheet", "restore", "write", "compare", "read"}));
        const QJsonValue sheet = records[0], restore = records[1], written = records[2], compared = records[3],
                         read = records[4];
        for (const QJsonValue &record : {restore, written, compared, read}) {
            QCOMPARE(field(record, "port"), port);
            QCOMPARE(field(record, "controller_version"), QStringLiteral("1-35"));
        }
        QCOMPARE(field(read, "bike"), QStringLiteral("WBX 1, Ode"));
        QCOMPARE(field(written, "bike"), QStringLiteral("WBX 1, Ode"));
        QCOMPARE(field(compared, "bike"), QString());
        QCOMPARE(field(read, "fingerprint_before"), held);
        QCOMPARE(field(read, "fingerprint_after"), held);
        QCOMPARE(field(read, "document_path"), readFile);
        QCOMPARE(field(compared, "outcome"), QStringLiteral("different"));
        QCOMPARE(field(compared, "document_path"), file);
        QCOMPARE(field(written, "fingerprint_before"), held);
        QCOMPARE(field(written, "fingerprint_after"), wanted);
        QCOMPARE(field(written, "backup_path"), backup);
        QCOMPARE(field(written, "outcome"), QStringLiteral("done"));
        QCOMPARE(field(written, "message"), QStringLiteral("Configuration of the controller was written successfully."));
        QCOMPARE(field(restore, "document_path"), backup);
        QCOMPARE(field(restore, "fingerprint_before"), wanted);
        QCOMPARE(field(restore, "fingerprint_after"), held);
        QCOMPARE(field(sheet, "port"), QString());
        QCOMPARE(field(sheet, "fingerprint_after"), wanted);
        QCOMPARE(field(sheet, "road_class"), QStringLiteral("eu-epac"));
        // As check judges the file: the initial state breaks the EU class.
        QCOMPARE(runIn(home.path(), {"check", file, "--class", "eu-epac"}).exitCode, 3);
        QCOMPARE(field(sheet, "road_check"), QStringLiteral("breaks"));
        QCOMPARE(field(sheet, "message"), pdf);

        // history: by bike (a part, any case), by day, as CSV and as lines.
        QCOMPARE(historyIn(home.path(), {"--bike", "wbx"}).size(), 2);
        QCOMPARE(historyIn(home.path(), {"--since", QDate::currentDate().addDays(-1).toString(Qt::ISODate)}).size(), 5);
        QCOMPARE(historyIn(home.path(), {"--since", "2999-01-01"}).size(), 0);
        QCOMPARE(runIn(home.path(), {"history", "--since", "yesterday"}).exitCode, 2);
        QCOMPARE(runIn(home.path(), {"history", "--csv", "--json"}).exitCode, 2);
        const CliRun csv = runIn(home.path(), {"history", "--csv", "--bike", "WBX"});
        QCOMPARE(csv.exitCode, 0);
        QCOMPARE(csv.out.count("\r\n"), 3);
        QVERIFY(csv.out.startsWith("uuid,time,operation,"));
        QVERIFY(csv.out.contains(",\"WBX 1, Ode\","));
        const CliRun lines = runIn(home.path(), {"history"});
        QCOMPARE(lines.out.count('\n'), 6);
        QVERIFY(lines.out.startsWith("uuid\ttime\toperation\t"));
    }

    // A register that cannot be opened (a folder where its file would be)
    // or that another program holds locked: the write goes on to its end
    // and stderr says it was not recorded and why.
    void aRegisterThatCannotKeepNeverStopsAWrite()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, "f.vxc", "1\r\n15.0\r\n");
        QTemporaryDir blocked;
        QVERIFY(QDir().mkpath(registerIn(blocked.path())));
        SimProcess sim;
        const QString port = sim.start({});
        CliRun run = runIn(blocked.path(), {"write", file}, port);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("Not recorded in the register: " + registerIn(blocked.path()).toLocal8Bit()
                                  + " cannot be opened"),
                 run.err.constData());
        TRY_VERIFY(sim.lines().contains(QStringLiteral("store")));
        QCOMPARE(runIn(blocked.path(), {"history"}).exitCode, 1);

        QTemporaryDir locked;
        QCOMPARE(runIn(locked.path(), {"fingerprint"}, port).exitCode, 0); // no record, no register yet
        QCOMPARE(runIn(locked.path(), {"read"}, port).exitCode, 0);
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
            database.setDatabaseName(registerIn(locked.path()));
            QVERIFY(database.open());
            QSqlQuery lock(database);
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QVERIFY(lock.exec(QStringLiteral("DELETE FROM records")));
            run = runIn(locked.path(), {"write", file}, port);
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.err.contains("Not recorded in the register: ") && run.err.contains("locked"),
                     run.err.constData());
            QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
            database.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("lock"));
        QCOMPARE(historyIn(locked.path()).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCliRegister)
#include "test_cli_register.moc"
