// The files a safe write keeps: the backups (names, order, the newest 100,
// a folder that cannot hold them), the options' own section of config.ini,
// and how a backup compares with the window.

#include "file_bytes.h"
#include "backups/backup_store.h"
#include "files/file_comparison.h"
#include "files/vxc_writer.h"
#include "settings/write_safety_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexlor;

namespace {

QDateTime at(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
}

QStringList fileNames(const QList<BackupFile> &files)
{
    QStringList names;
    for (const BackupFile &f : files)
        names << QFileInfo(f.path).fileName();
    return names;
}

} // namespace

class TestWriteSafetyFiles : public QObject {
    Q_OBJECT
private slots:
    // Names sort by age, a second taken twice gets a suffix, the list runs
    // newest first with the time from the name, the bytes are Save's, and
    // files of other names are left alone.
    void backupsAreNamedByTimeAndListedNewestFirst()
    {
        QTemporaryDir dir;
        BackupStore store(dir.filePath(QStringLiteral("data/backups"))); // made on saving
        ParameterSnapshot snapshot = ParameterSnapshot::initial();
        snapshot[1].text = QStringLiteral("15.0");
        const char *times[] = {"2026-12-07T14:03:22", "2026-12-07T14:03:22", "2026-12-07T09:59:59",
                               "2026-12-07T14:03:22", "2027-01-01T00:00:00"};
        for (const char *time : times) {
            const BackupStore::SaveResult saved = store.save(snapshot, at(time));
            QVERIFY2(saved.ok(), qPrintable(saved.error));
            QCOMPARE(fileBytes(saved.path), configurationFileBytes(snapshot));
        }
        writeFileBytes(dir.filePath(QStringLiteral("data/backups/mine.vxc")), "1\r\n2.0\r\n");
        writeFileBytes(dir.filePath(QStringLiteral("data/backups/2026-13-40_00-00-00.vxc")), "");
        const QList<BackupFile> listed = store.list();
        QCOMPARE(fileNames(listed),
                 (QStringList{"2027-01-01_00-00-00.vxc", "2026-12-07_14-03-22-3.vxc",
                              "2026-12-07_14-03-22-2.vxc", "2026-12-07_14-03-22.vxc",
                              "2026-12-07_09-59-59.vxc"}));
        QList<int> sequences; // the order within a second
        for (const BackupFile &backup : listed)
            sequences << backup.sequence;
        QCOMPARE(sequences, (QList<int>{1, 3, 2, 1, 1}));
        QCOMPARE(listed.first().time, at("2027-01-01T00:00:00"));
        QCOMPARE(listed.last().time, at("2026-12-07T09:59:59"));
        QVERIFY(QDir::isAbsolutePath(listed.first().path));
    }

    // Only the newest hundred stay; other files are never removed.
    void theNewestHundredAreKept()
    {
        QTemporaryDir dir;
        BackupStore store(dir.path());
        writeFileBytes(dir.filePath(QStringLiteral("notes.vxc")), "");
        const QDateTime start = at("2026-01-01T08:00:00");
        for (int i = 0; i < BackupStore::kKeptBackups + 3; ++i)
            QVERIFY(store.save(ParameterSnapshot::initial(), start.addSecs(i)).ok());
        const QList<BackupFile> listed = store.list();
        QCOMPARE(listed.size(), BackupStore::kKeptBackups);
        QCOMPARE(listed.first().time, start.addSecs(BackupStore::kKeptBackups + 2));
        QCOMPARE(listed.last().time, start.addSecs(3));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("notes.vxc"))));
    }

    // A folder that cannot hold a backup reports "Cannot create file" with
    // the path it would have had, and keeps nothing. (Under a regular file,
    // so it fails for root too.)
    void aFolderThatCannotHoldItReportsIt()
    {
        QTemporaryDir dir;
        writeFileBytes(dir.filePath(QStringLiteral("file")), "x");
        for (const QString &folder : {dir.filePath(QStringLiteral("file")),
                                      dir.filePath(QStringLiteral("file/backups"))}) {
            BackupStore store(folder);
            const BackupStore::SaveResult saved = store.save(ParameterSnapshot::initial(), at("2026-05-04T03:02:01"));
            QVERIFY(!saved.ok());
            QVERIFY(saved.path.isEmpty());
            QCOMPARE(saved.error, QStringLiteral("Cannot create file %1/2026-05-04_03-02-01.vxc").arg(folder));
            QVERIFY(store.list().isEmpty());
        }
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("file"))), QByteArray("x"));
    }

    // The options' section: on unless "0", written beside the reopen list
    // without touching it.
    void optionsHaveASectionOfTheirOwn_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("backUp");
        QTest::addColumn<bool>("verify");
        QTest::newRow("no file") << QByteArray() << true << true;
        QTest::newRow("both off") << QByteArray("[Write Safety]\nBackUpBeforeWrite=0\nVerifyAfterWrite=0\n")
                                  << false << false;
        QTest::newRow("one off, any case")
            << QByteArray("[write safety]\r\nverifyafterwrite = 0\r\n") << true << false;
        QTest::newRow("anything else is on")
            << QByteArray("[Write Safety]\nBackUpBeforeWrite=no\nVerifyAfterWrite=\n") << true << true;
        QTest::newRow("another section's keys do not count")
            << QByteArray("[Recent Files]\nBackUpBeforeWrite=0\n") << true << true;
    }
    void optionsHaveASectionOfTheirOwn()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, backUp);
        QFETCH(bool, verify);
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath(QStringLiteral("config.ini")));
        if (!ini.isEmpty())
            writeFileBytes(settings.path(), ini);
        QCOMPARE(readWriteSafety(settings), (WriteSafety{backUp, verify}));
    }
    void optionsAreWrittenBesideTheReopenList()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath(QStringLiteral("config.ini")));
        const QByteArray recent("[Recent Files]\nFile1=/a.vxc\nFile2=\nFile3=\nFile4=\n");
        writeFileBytes(settings.path(), recent);
        QVERIFY(writeWriteSafety(settings, {false, true}).ok());
        QCOMPARE(fileBytes(settings.path()),
                 recent + "[Write Safety]\nBackUpBeforeWrite=0\nVerifyAfterWrite=1\n");
        SettingsFile blocked(dir.filePath(QStringLiteral("config.ini/config.ini")));
        QCOMPARE(writeWriteSafety(blocked, {}).error,
                 QStringLiteral("Unable to write to %1").arg(blocked.path()));
    }

    // A backup compares with the window as a controller holding it would:
    // on the values a write sends; a file that cannot be read has no count.
    void backupComparesWithTheWindow()
    {
        QTemporaryDir dir;
        ParameterSnapshot window = ParameterSnapshot::initial();
        ParameterSnapshot held = window;
        held[1].text = QStringLiteral("15.0");
        held[8].number = 0;
        held[29].text = QStringLiteral(" 100"); // the same value, another text
        const QString path = dir.filePath(QStringLiteral("backup.vxc"));
        writeFileBytes(path, configurationFileBytes(held));
        const FileComparison compared = compareWithFile(window, path, NumberFormat::point());
        QVERIFY(compared.ok());
        QCOMPARE(compared.differences.size(), 2);
        QCOMPARE(compared.differences[0].index, 1);
        QCOMPARE(compared.differences[1].actualText, QStringLiteral("Off"));
        QVERIFY(compareWithFile(held, path, NumberFormat::point()).differences.isEmpty());

        writeFileBytes(path, "1\r\n");
        QCOMPARE(compareWithFile(window, path, NumberFormat::point()).error,
                 QStringLiteral("List index out of bounds (1)"));
        // An empty backup (a write once cut short by a full disk) has no count
        // either: it would otherwise show "0 differences" and load nothing.
        writeFileBytes(path, "");
        QCOMPARE(compareWithFile(window, path, NumberFormat::point()).error,
                 QStringLiteral("The file %1 contains no settings.").arg(path));
    }
};

QTEST_GUILESS_MAIN(TestWriteSafetyFiles)
#include "test_write_safety_files.moc"
