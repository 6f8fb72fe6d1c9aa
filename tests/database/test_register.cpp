// The register kept in SQLite, and the filter and forms every program shows
// it through.

#include "event_wait.h"

#include "open_register.h"
#include "register/register_export.h"
#include "register/register_filter.h"
#include "sqlite_register.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexlor;

namespace {

RegisterRecord sample(const QString &bike, const QString &time, const QString &after = QStringLiteral("3F2A-91C0"))
{
    RegisterRecord record = newRegisterRecord(operations::kWrite, QStringLiteral("1.35"));
    record.time = QDateTime::fromString(time, Qt::ISODateWithMs);
    record.bike = bike;
    record.port = QStringLiteral("/dev/ttyUSB0");
    record.cableSerial = QStringLiteral("A10KX2");
    record.controllerVersion = QStringLiteral("1-35");
    record.fingerprintBefore = QStringLiteral("0000-1111");
    record.fingerprintAfter = after;
    record.roadClass = QStringLiteral("eu-epac");
    record.roadCheck = QStringLiteral("keeps");
    record.documentPath = QStringLiteral("/home/shop/city, \"fast\".vxc");
    record.backupPath = QStringLiteral("/home/shop/backups/b.vxc");
    record.outcome = QString::fromLatin1(outcomes::kDone);
    record.message = QStringLiteral("Written\nand checked");
    return record;
}

// A second connection to the same file, as another program would hold it.
struct OtherProgram {
    explicit OtherProgram(const QString &path)
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        QVERIFY(database.open());
    }
    ~OtherProgram()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlQuery query() const { return QSqlQuery(QSqlDatabase::database(name, false)); }
    QString name = QStringLiteral("other-program");
};

QVariant scalar(const OtherProgram &other, const QString &statement)
{
    QSqlQuery query = other.query();
    if (!query.exec(statement) || !query.next())
        return {};
    return query.value(0);
}

} // namespace

class TestRegister : public QObject {
    Q_OBJECT
private slots:
    // Every field comes back as it went in, newest first; the file is a
    // write-ahead-logged database of the newest schema, and a second
    // register on the same file sees the first one's records.
    void recordsComeBackWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data/register.sqlite")); // folder made
        const RegisterRecord older = sample(QStringLiteral("Frame WBX 1"), QStringLiteral("2026-12-07T10:00:00.000Z"));
        RegisterRecord newer = sample(QStringLiteral("Customer Ode"), QStringLiteral("2026-12-08T09:14:03.120Z"));
        newer.delivered = true;
        {
            SqliteRegister records(path);
            QCOMPARE(records.add(older), QString());
            QCOMPARE(records.add(newer), QString());
        }
        SqliteRegister again(path);
        QString error;
        const QList<RegisterRecord> list = again.records(error);
        QCOMPARE(error, QString());
        QCOMPARE(list.size(), 2);
        QCOMPARE(registerRowValues(list[0]), registerRowValues(newer));
        QCOMPARE(registerRowValues(list[1]), registerRowValues(older));
        QCOMPARE(list[0].time, newer.time);

        OtherProgram other(path);
        QCOMPARE(scalar(other, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        QCOMPARE(scalar(other, QStringLiteral("PRAGMA user_version")).toInt(), 1);
    }

    // A register that cannot be opened or written, or a newer tool's, says
    // why and keeps nothing; a record added later, once it can, is kept.
    void aRegisterThatCannotKeepSaysWhy()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SqliteRegister underAFile(dir.filePath(QStringLiteral("file/register.sqlite")));
        QVERIFY(underAFile.add(sample({}, QStringLiteral("2026-12-08T09:00:00.000Z"))).contains(u"cannot be opened"));

        const QString newerPath = dir.filePath(QStringLiteral("newer.sqlite"));
        {
            OtherProgram newerTool(newerPath);
            QVERIFY(newerTool.query().exec(QStringLiteral("PRAGMA user_version = 7")));
        }
        SqliteRegister newer(newerPath);
        QString error;
        QVERIFY(newer.records(error).isEmpty());
        QVERIFY2(error.contains(u"newer version of the tool (schema 7, this one knows 1)"), qPrintable(error));

        // Locked by another program beyond the wait: the record is not kept;
        // once the lock is gone, the next one is.
        const QString path = dir.filePath(QStringLiteral("locked.sqlite"));
        SqliteRegister records(path);
        QCOMPARE(records.add(sample({}, QStringLiteral("2026-12-08T09:00:00.000Z"))), QString());
        {
            OtherProgram other(path);
            QSqlQuery lock = other.query();
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QVERIFY(lock.exec(QStringLiteral("DELETE FROM records")));
            QVERIFY(records.add(sample({}, QStringLiteral("2026-12-08T09:01:00.000Z"))).contains(u"locked"));
            QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
        }
        QCOMPARE(records.add(sample({}, QStringLiteral("2026-12-08T09:02:00.000Z"))), QString());
        QCOMPARE(records.records(error).size(), 2);
    }

    // A program killed while it records leaves whole records only: every
    // row's message is its own label repeated, and the database is sound.
    void aKilledProgramLeavesWholeRecords()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("register.sqlite"));
        QProcess writer;
        writer.start(QStringLiteral(VEXLOR_REGISTER_WRITER), {path});
        QVERIFY(writer.waitForStarted(kHangMs));
        // Killed once it has kept a few, in the middle of the next.
        TRY_VERIFY(writer.peek(1 << 20).count('\n') >= 20);
        writer.kill();
        QVERIFY(writer.waitForFinished(kHangMs));

        OtherProgram other(path);
        QCOMPARE(scalar(other, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        SqliteRegister records(path);
        QString error;
        const QList<RegisterRecord> list = records.records(error);
        QCOMPARE(error, QString());
        QVERIFY(!list.isEmpty());
        for (const RegisterRecord &record : list) {
            QCOMPARE(record.message, record.bike.repeated(200));
            QCOMPARE(record.outcome, QStringLiteral("done"));
        }
    }

    // The filter by bike, day and fingerprint; CSV quoted as spreadsheets
    // read it; JSON keyed by the column names.
    void filterAndForms()
    {
        const QList<RegisterRecord> all{
            sample(QStringLiteral("Frame WBX 1"), QStringLiteral("2026-12-08T09:00:00.000Z"), QStringLiteral("3F2A-91C0")),
            sample(QStringLiteral("frame wbx 2"), QStringLiteral("2026-12-07T23:59:59.999Z"), QStringLiteral("AB12-0000")),
            sample(QStringLiteral("Customer Ode"), QStringLiteral("2026-12-06T08:00:00.000Z"), QStringLiteral("3F2B-0000")),
        };
        const auto bikes = [&](const RegisterFilter &filter) {
            QStringList labels;
            for (const RegisterRecord &record : filteredRecords(all, filter))
                labels.append(record.bike);
            return labels;
        };
        QCOMPARE(bikes({}).size(), 3);
        QCOMPARE(bikes({QStringLiteral("WBX")}), (QStringList{"Frame WBX 1", "frame wbx 2"}));
        QCOMPARE(bikes({{}, QDate(2026, 12, 7)}), (QStringList{"Frame WBX 1", "frame wbx 2"}));
        QCOMPARE(bikes({{}, QDate(2026, 12, 7), QDate(2026, 12, 7)}), QStringList{"frame wbx 2"});
        QCOMPARE(bikes({{}, {}, {}, QStringLiteral("3f2a9")}), QStringList{"Frame WBX 1"});
        QCOMPARE(bikes({{}, {}, {}, QStringLiteral("3F2")}), (QStringList{"Frame WBX 1", "Customer Ode"}));
        QCOMPARE(bikes({{}, {}, {}, QStringLiteral("0000-11")}).size(), 3); // the fingerprint before

        const QList<QByteArray> csv = registerCsv(all.mid(0, 1)).split('\n');
        QCOMPARE(csv[0], QByteArray("uuid,time,operation,os_user,host,tool_version,port,cable_serial,"
                                    "controller_version,bike,fingerprint_before,fingerprint_after,"
                                    "road_class,road_check,document_path,backup_path,outcome,message,"
                                    "delivered\r"));
        QVERIFY(csv[1].contains(",2026-12-08T09:00:00.000Z,write,"));
        QVERIFY(csv[1].endsWith(",\"/home/shop/city, \"\"fast\"\".vxc\",/home/shop/backups/b.vxc,done,"
                                "\"Written"));
        QCOMPARE(csv[2], QByteArray("and checked\",0\r"));

        const QJsonArray json = QJsonDocument::fromJson(registerJson(all)).array();
        QCOMPARE(json.size(), 3);
        QCOMPARE(json[2].toObject().value(u"bike").toString(), QStringLiteral("Customer Ode"));
        QCOMPARE(json[0].toObject().value(u"delivered").toBool(true), false);
        QCOMPARE(json[0].toObject().value(u"uuid").toString(), all[0].uuid);
    }
};

QTEST_GUILESS_MAIN(TestRegister)
#include "test_register.moc"
