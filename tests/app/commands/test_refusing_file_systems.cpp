// What the tool does where the file system refuses a write: a config.ini or
// settings folder that cannot be written, and a full disk under documents,
// the CLI's output, the backups and the desktop's association files. The
// refusals are real ones, read-only mounts and a small full tmpfs, in a mount
// namespace of this test program's own, so they refuse root as well.

#include "cli_run.h"
#include "document_fixture.h"
#include "file_bytes.h"
#include "private_mounts.h"
#include "sim_process.h"

#include "commands/document_commands.h"

#include "backups/backup_store.h"
#include "desktop/freedesktop_file_association.h"
#include "files/vxc_writer.h"
#include "settings/settings_file.h"

#include <QApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QtTest>

using namespace vexlor;

namespace {

QString battery(const TestWindow &t)
{
    return t.control<QLineEdit>("LabeledEdit16")->text();
}

// A whole file as Save writes it, with the battery current `amps`.
QByteArray configuration(const char *amps)
{
    ParameterSnapshot s = ParameterSnapshot::initial();
    s[1].text = QString::fromLatin1(amps);
    return configurationFileBytes(s);
}

// Every file below `folder` by name, with its bytes.
QMap<QString, QByteArray> filesIn(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names)
        files.insert(name, fileBytes(QDir(folder).filePath(name)));
    return files;
}

// The mounts of one test, undone when it goes out of scope (declared after
// the scratch folder, so they are gone before the folder is removed).
class Mounts {
public:
    Mounts() = default;
    Mounts(const Mounts &) = delete;
    Mounts &operator=(const Mounts &) = delete;
    ~Mounts()
    {
        for (const QString &path : std::as_const(m_paths))
            privateMounts::unmount(path);
    }

    [[nodiscard]] bool readOnly(const QString &path)
    {
        if (!privateMounts::makeReadOnly(path))
            return false;
        m_paths.prepend(path);
        return true;
    }
    // A full disk of `kib` KiB at `folder` (made if needed); `before` runs
    // on it while it still has room.
    [[nodiscard]] bool fullDisk(const QString &folder, int kib, const std::function<void()> &before = {})
    {
        if (!QDir().mkpath(folder) || !privateMounts::mountSmallDisk(folder, kib))
            return false;
        m_paths.prepend(folder);
        if (before)
            before();
        return privateMounts::fillDisk(folder);
    }

private:
    QStringList m_paths; // the last first
};

} // namespace

class TestRefusingFileSystems : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        if (!privateMounts::mountRefusal().isEmpty())
            QSKIP(qPrintable(privateMounts::mountRefusal()));
    }

    void unwritableSettingsStillOpenTheFile_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("read-only config.ini") << "file";
        QTest::newRow("read-only folder, no config.ini yet") << "folder";
        QTest::newRow("config.ini on a full disk") << "full";
        QTest::newRow("installed copy, read-only ~/.config/vexlor-adjustor, file on the command line")
            << "installed";
    }
    // Guards the document against a config.ini that cannot be written: the
    // file opens whole (caption, values and the file Save writes to change
    // together), the reopen list keeps its old state, and the message says
    // the list could not be saved. Ctrl+S then writes the opened file's own
    // values back into it.
    void unwritableSettingsStillOpenTheFile()
    {
        QFETCH(QString, refusal);
        DocumentFixture f;
        Mounts mounts;
        const QString a = f.currentFile("a.vxc", "50.0"), b = f.currentFile("b.vxc", "22.0");
        QString settingsFolder = f.settingsFolder();
        RecentFiles listBefore{a, "", "", ""};
        std::unique_ptr<TestWindow> t;
        if (refusal == u"installed") {
            // Not a portable copy: config.ini goes to the user's configuration folder.
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(f.path(QStringLiteral("home/.config"))));
            settingsFolder = settingsFolderFor(QStringLiteral("/usr/bin/"));
            QCOMPARE(settingsFolder, f.path(QStringLiteral("home/.config/vexlor-adjustor")));
            QVERIFY(QDir().mkpath(settingsFolder));
            QVERIFY(mounts.readOnly(settingsFolder));
            listBefore = {};
            t = std::make_unique<TestWindow>(QStringList{b}, settingsFolder);
        } else {
            if (refusal == u"full")
                QVERIFY(mounts.fullDisk(settingsFolder, 64, [&] { f.setRecentFiles(listBefore); }));
            else if (refusal == u"file")
                f.setRecentFiles(listBefore);
            else
                listBefore = {};
            t = std::make_unique<TestWindow>(QStringList{}, settingsFolder);
            if (refusal == u"file")
                QVERIFY(mounts.readOnly(f.settingsPath()));
            else if (refusal == u"folder")
                QVERIFY(mounts.readOnly(settingsFolder));
            QVERIFY(t->boxes.shown.isEmpty());
            t->dialogs.openAnswers = {b};
            t->window->actions().open->trigger();
        }
        const QString settingsPath = QDir(settingsFolder).filePath(QStringLiteral("config.ini"));
        QCOMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(t->boxes.shown[0].text,
                 QStringLiteral("The file was opened, but the list of recent files could not be saved: "
                                "unable to write to %1.")
                     .arg(settingsPath));
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("b.vxc")));
        QCOMPARE(battery(*t), QStringLiteral("22.0"));
        QCOMPARE(t->assembly->documents().documentPath(), b);
        QCOMPARE(readRecentFiles(SettingsFile(settingsPath)), listBefore);
        for (int k = 0; k < kRecentFileCount; ++k)
            QCOMPARE(t->window->actions().reopen[k]->text(), listBefore[k]);

        t->window->actions().save->trigger();
        QVERIFY(fileBytes(b).startsWith("1\r\n22.0\r\n"));
        QCOMPARE(fileBytes(a), QByteArray("1\r\n50.0\r\n"));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void fullDiskSaveKeepsTheFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target"); // on the full disk
        QTest::newRow("Save (Ctrl+S) over the open file") << "save" << "bike.vxc";
        QTest::newRow("Save As, a new name") << "save as" << "new.vxc";
        QTest::newRow("Save As over another file") << "save as" << "other.vxc";
    }
    // Guards documents on a full disk: Save and Save As report the file
    // error, the file keeps its old content whole (or is not made at all),
    // and the document stays the one that was open.
    void fullDiskSaveKeepsTheFile()
    {
        QFETCH(QString, command);
        QFETCH(QString, target);
        DocumentFixture f;
        Mounts mounts;
        const QString disk = f.path(QStringLiteral("disk"));
        const QString bike = QDir(disk).filePath(QStringLiteral("bike.vxc"));
        const QString other = QDir(disk).filePath(QStringLiteral("other.vxc"));
        QVERIFY(mounts.fullDisk(disk, 64, [&] {
            writeFileBytes(bike, configuration("20.0"));
            writeFileBytes(other, configuration("30.0"));
        }));
        auto t = f.window({bike});
        QCOMPARE(battery(*t), QStringLiteral("20.0"));
        const QString caption = t->window->windowTitle();
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("12.5"));
        const QString path = QDir(disk).filePath(target);
        if (command == u"save") {
            t->window->actions().save->trigger();
        } else {
            t->dialogs.saveAnswers = {path};
            t->window->actions().saveAs->trigger();
        }
        QCOMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(t->boxes.shown[0].text, QStringLiteral("Cannot create file %1.").arg(path));
        QCOMPARE(fileBytes(bike), configuration("20.0"));
        QCOMPARE(fileBytes(other), configuration("30.0"));
        QCOMPARE(filesIn(disk).keys(), (QStringList{".filler", "bike.vxc", "other.vxc"}));
        QCOMPARE(t->window->windowTitle(), caption);
        QCOMPARE(t->assembly->documents().documentPath(), bike);
    }

    // Guards `vexlor-cli read FILE` on a full disk: exit 2 with the file
    // error, and the file there before stays whole.
    void fullDiskCliReadKeepsTheFile()
    {
        QTemporaryDir dir;
        Mounts mounts;
        const QString disk = dir.filePath(QStringLiteral("disk"));
        const QString kept = QDir(disk).filePath(QStringLiteral("kept.vxc"));
        QVERIFY(mounts.fullDisk(disk, 64, [&] { writeFileBytes(kept, configuration("20.0")); }));
        SimProcess sim;
        const QString port = sim.start({});
        QVERIFY(!port.isEmpty());
        for (const QString &path : {kept, QDir(disk).filePath(QStringLiteral("new.vxc"))}) {
            const CliRun run = runCli({QStringLiteral("read"), path}, port);
            QCOMPARE(run.exitCode, 2);
            QCOMPARE(run.err, QStringLiteral("Cannot create file %1\n").arg(path).toUtf8());
        }
        QCOMPARE(filesIn(disk).keys(), (QStringList{".filler", "kept.vxc"}));
        QCOMPARE(fileBytes(kept), configuration("20.0"));
    }

    // Guards the backup before a write on a full disk: the write stops
    // before its first frame with the backup message and the file error,
    // and the hundred backups there stay, none pruned for one not written.
    void fullDiskBackupStopsTheWrite()
    {
        QTemporaryDir dir;
        Mounts mounts;
        const QString disk = dir.filePath(QStringLiteral("disk"));
        const QString backups = QDir(disk).filePath(QStringLiteral("backups"));
        QVERIFY(mounts.fullDisk(disk, 1024, [&] {
            BackupStore store(backups);
            const QDateTime start = QDateTime::fromString(QStringLiteral("2026-01-01T08:00:00"), Qt::ISODate);
            for (int i = 0; i < BackupStore::kKeptBackups; ++i)
                QVERIFY(store.save(ParameterSnapshot::initial(), start.addSecs(i)).ok());
        }));
        const QMap<QString, QByteArray> before = filesIn(backups); // backups and their records
        QCOMPARE(BackupStore(backups).list().size(), BackupStore::kKeptBackups);
        const QString file = dir.filePath(QStringLiteral("f.vxc"));
        writeFileBytes(file, "1\r\n15.0\r\n");
        SimProcess sim;
        const QString port = sim.start({});
        QVERIFY(!port.isEmpty());
        const CliRun run = runCli({QStringLiteral("write"), QStringLiteral("--backup-dir"), backups, file}, port);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("The controller's settings could not be kept as a backup, so nothing was "
                                  "written."),
                 run.err.constData());
        QVERIFY2(run.err.contains(("Cannot create file " + backups + '/').toUtf8()), run.err.constData());
        QCOMPARE(sim.stop(), QStringList());
        QCOMPARE(filesIn(backups), before);
    }

    // Guards the desktop's association files on a full disk: the failure is
    // reported, and the files written at an earlier start stay whole.
    void fullDiskKeepsTheAssociationFiles()
    {
        QTemporaryDir dir;
        Mounts mounts;
        const QString disk = dir.filePath(QStringLiteral("disk"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(QDir(disk).filePath(QStringLiteral("share"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir(disk).filePath(QStringLiteral("config"))));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", ""); // no database tools: only the files matter here
        FreedesktopFileAssociation association(QStringLiteral("Vexlor Adjustor"));
        QMap<QString, QByteArray> before;
        const QStringList folders{QDir(disk).filePath(QStringLiteral("share/mime/packages")),
                                  QDir(disk).filePath(QStringLiteral("share/applications")),
                                  QDir(disk).filePath(QStringLiteral("config"))};
        QVERIFY(mounts.fullDisk(disk, 64, [&] {
            QVERIFY(association.registerFileType(".vxc", "vxc file", "/opt/one/vexlor-adjustor", "vxc file"));
            for (const QString &folder : folders)
                before.insert(folder, filesIn(folder).values().join('|'));
        }));
        const bool registered =
            association.registerFileType(".vxc", "vxc file", "/opt/two/vexlor-adjustor", "vxc file");
        qputenv("PATH", path);
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(!registered);
        for (const QString &folder : folders) {
            QVERIFY(!before.value(folder).isEmpty());
            QCOMPARE(filesIn(folder).values().join('|'), before.value(folder));
        }
    }
};

int main(int argc, char *argv[])
{
    // Before Qt starts a thread: a mount namespace needs a single-threaded caller.
    privateMounts::enterPrivateMountNamespace();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexlor-adjustor")); // finds its config folder
    TestRefusingFileSystems test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_refusing_file_systems.moc"
