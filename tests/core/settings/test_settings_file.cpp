// config.ini: a plain INI file read afresh and written at once, as another
// INI reader expects it.

#include "file_bytes.h"
#include "settings/recent_files.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/inotify.h>
#include <unistd.h>

using namespace vexlor;

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    // Guards the file's form: the section line reads "[Recent Files]" exactly
    // (QSettings' INI format would write "[Recent%20Files]"), and free places
    // are keys with nothing after "=".
    void firstListIsPlainIni()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath("sub/config.ini")); // the folder is made on writing
        QVERIFY(addRecentFile(settings, QStringLiteral("/home/rider/My Bike.vxc")).ok());
        QCOMPARE(fileBytes(settings.path()),
                 QByteArray("[Recent Files]\nFile1=/home/rider/My Bike.vxc\nFile2=\nFile3=\nFile4=\n"));
    }

    // Guards reading: a missing file, section or key is empty; names match
    // in any letter case; blanks around names and values do not count.
    void readingIsForgiving()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath("config.ini"));
        QVERIFY(settings.readString("Recent Files", "File1").isEmpty());
        writeFileBytes(settings.path(), "; kept\r\n[Other]\r\nFile1=no\r\n[ recent files ]\r\n  file1 =  /a b.vxc  \r\n");
        QCOMPARE(settings.readString("Recent Files", "File1"), QStringLiteral("/a b.vxc"));
        QVERIFY(settings.readString("Recent Files", "File2").isEmpty());
        QVERIFY(settings.readString("Missing", "File1").isEmpty());
    }

    // Guards writing into a file someone else keeps too: only the one key
    // changes, every other line (comments, other sections, CR LF) stays.
    void writingTouchesOneLine()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath("config.ini"));
        writeFileBytes(settings.path(), "; kept\r\n[Recent Files]\r\nFile1=/old.vxc\r\n\r\n[Other]\r\nx=1\r\n");
        QVERIFY(settings.writeString("Recent Files", "File1", "/new.vxc").ok());
        QVERIFY(settings.writeString("Recent Files", "File2", "/old.vxc").ok());
        QVERIFY(settings.writeString("Third", "k", "v").ok());
        QCOMPARE(fileBytes(settings.path()),
                 QByteArray("; kept\r\n[Recent Files]\r\nFile1=/new.vxc\r\nFile2=/old.vxc\r\n\r\n[Other]\r\nx=1\r\n"
                            "[Third]\r\nk=v\r\n"));
    }

    // Guards the error: a file that cannot be written is reported with its
    // full path, and nothing else happens.
    void failedWriteNamesTheFile()
    {
        QTemporaryDir dir;
        writeFileBytes(dir.filePath("plain"), "not a folder");
        SettingsFile settings(dir.filePath("plain/config.ini"));
        const SettingsWriteResult written = settings.writeString("Recent Files", "File1", "/a.vxc");
        QCOMPARE(written.error, QStringLiteral("Unable to write to %1").arg(dir.filePath("plain/config.ini")));
        QVERIFY(settings.readString("Recent Files", "File1").isEmpty());
    }

    // Guards the reopen list against being left half moved: AddRecentFile
    // writes config.ini once, with every key it changes, so a write that
    // fails leaves the whole list as it was. (Each write replaces the file,
    // which the folder's watch sees as one file moved or written into place.)
    void pushIsOneWrite()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath("config.ini"));
        for (int k = 1; k <= kRecentFileCount; ++k)
            QVERIFY(settings.writeString("Recent Files", recentFileKey(k), QStringLiteral("/%1.vxc").arg(k)).ok());
        const int watch = inotify_init1(IN_NONBLOCK);
        QVERIFY(watch >= 0);
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_MOVED_TO | IN_CLOSE_WRITE) >= 0);
        QVERIFY(addRecentFile(settings, QStringLiteral("/new.vxc")).ok());
        int replaced = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
            for (char *p = buffer; p < buffer + n; p += sizeof(inotify_event) + reinterpret_cast<inotify_event *>(p)->len) {
                const auto *event = reinterpret_cast<inotify_event *>(p);
                if (event->len > 0 && qstrcmp(event->name, "config.ini") == 0)
                    ++replaced;
            }
        }
        ::close(watch);
        QCOMPARE(replaced, 1);
        QCOMPARE(readRecentFiles(settings), (RecentFiles{"/new.vxc", "/1.vxc", "/2.vxc", "/3.vxc"}));
    }

    // Guards the location: a portable copy keeps config.ini beside itself; a
    // folder that cannot be written (or is gone) sends it to the user's
    // configuration folder.
    void settingsFolderLocation()
    {
        QTemporaryDir dir;
        QCOMPARE(QDir(settingsFolderFor(dir.path() + u'/')), QDir(dir.path()));
        const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QCOMPARE(settingsFolderFor(dir.filePath("gone/")), userFolder);
        // An installed copy, also when run by root (sudo), who may write there.
        QCOMPARE(settingsFolderFor(QStringLiteral("/usr/bin/")), userFolder);
        QCOMPARE(settingsFolderFor(QDir::homePath() + QStringLiteral("/.local/bin/")), userFolder);
        // A folder that somebody else owns is not this user's portable copy,
        // even where root can write into it.
        if (::geteuid() == 0) {
            QTemporaryDir foreign;
            QVERIFY(::chown(QFile::encodeName(foreign.path()).constData(), 65534, 65534) == 0);
            QCOMPARE(settingsFolderFor(foreign.path() + u'/'), userFolder);
        }
    }

    // Guards the user's own program folder behind a symbolic link: with a
    // home reached through a link, ~/.local/bin is still an installed
    // location, by either path, and never a portable copy.
    void linkedHomeIsNoPortableCopy()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("real-home/.local/bin")));
        QVERIFY(QFile::link(dir.filePath("real-home"), dir.filePath("home")));
        const QByteArray home = qgetenv("HOME");
        const bool hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(dir.filePath("home")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        const QString viaLink = settingsFolderFor(dir.filePath("home/.local/bin/"));
        const QString direct = settingsFolderFor(dir.filePath("real-home/.local/bin/"));
        qputenv("HOME", home);
        if (hadConfigHome)
            qputenv("XDG_CONFIG_HOME", configHome);
        else
            qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(viaLink, dir.filePath("config/") + QCoreApplication::applicationName());
        QCOMPARE(direct, viaLink);
    }

    void recentFileWrites_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("writes"); // entry:path, in order
        QTest::newRow("entry 1: nothing") << "A" << "";
        QTest::newRow("entry 2") << "B" << "2:A 1:B";
        QTest::newRow("entry 3") << "C" << "3:B 2:A 1:C";
        QTest::newRow("entry 4") << "D" << "4:C 3:B 2:A 1:D";
        QTest::newRow("new path") << "E" << "1:E 2:A 3:B 4:C";
        QTest::newRow("exact text only") << "a" << "1:a 2:A 3:B 4:C";
    }
    // Guards the order of AddRecentFile's writes: a failure stops at the
    // first, so the order decides what a failed push leaves behind.
    void recentFileWrites()
    {
        QFETCH(QString, path);
        QFETCH(QString, writes);
        QStringList actual;
        for (const RecentFileWrite &w : vexlor::recentFileWrites({"A", "B", "C", "D"}, path))
            actual << QStringLiteral("%1:%2").arg(w.entry).arg(w.path);
        QCOMPARE(actual.join(u' '), writes);
    }

    void defaultFilesStayOut_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("enters");
        QTest::newRow("the default file") << "/usr/share/vexlor-adjustor/default.vxc" << false;
        QTest::newRow("any letter case") << "/x/DeFault.VXC" << false;
        QTest::newRow("name containing it") << "/x/mydefault.vxc" << false;
        QTest::newRow("folder containing it") << "/x/default.vxc.d/a.vxc" << false;
        QTest::newRow("an ordinary file") << "/x/defaults.vxc" << true;
    }
    // Guards the filter the reader's caller applies before AddRecentFile.
    void defaultFilesStayOut()
    {
        QFETCH(QString, path);
        QFETCH(bool, enters);
        QCOMPARE(mayEnterRecentFiles(path), enters);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
