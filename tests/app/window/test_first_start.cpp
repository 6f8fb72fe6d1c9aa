// The window program's first start on a desktop, as a user runs it: a .vxc
// named on the command line enters the reopen list beside a portable copy,
// and the desktop knows the .vxc type afterwards.

#include "event_wait.h"
#include "desktop/freedesktop_file_association.h"
#include "xdg_mime.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestFirstStart : public QObject {
    Q_OBJECT
private slots:
    // Guards start-up steps 4, 6 and 15 to 17 wired together in the real
    // program: the file opens from the command line and is listed, and the
    // association written at start makes the desktop's query name the type.
    void commandLineFileAndAssociation()
    {
        const QString xdgMime = usableXdgMime();
        if (xdgMime.isEmpty())
            QSKIP(kXdgToolsMissing);

        // A portable copy, so its config.ini is this test's own.
        QTemporaryDir dir;
        const QString program = dir.filePath("portable/vexlor-adjustor");
        QVERIFY(QDir().mkpath(dir.filePath("portable")));
        QVERIFY(QFile::copy(QStringLiteral(VEXLOR_ADJUSTOR_PATH), program));
        QVERIFY(QDir().mkpath(dir.filePath("system")));
        const QString sample = dir.filePath("My Bike.vxc");
        QFile file(sample);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1\r\n20.0\r\n");
        file.close();

        QProcessEnvironment env = genericDesktopEnvironment(dir.filePath("system"));
        env.insert("HOME", dir.filePath("home"));
        env.insert("XDG_DATA_HOME", dir.filePath("home/.local/share"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("home/.config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");

        QProcess window;
        window.setProcessEnvironment(env);
        window.start(program, {sample});
        QVERIFY(window.waitForStarted(kHangMs));

        const auto settings = [&] {
            QFile f(dir.filePath("portable/config.ini"));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(settings().contains("File1=" + sample.toUtf8() + "\n"), kHangMs);
        QTRY_COMPARE_WITH_TIMEOUT(xdgMimeQuery(xdgMime, env, {"filetype", sample}),
                                  QLatin1String(vexlor::kVxcMimeType), kHangMs);
        QFile entry(dir.filePath("home/.local/share/applications/vexlor-adjustor-vxc.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("\nExec=" + program.toUtf8() + " %f\n"));
        // The database tools run detached; the scratch folder must outlive them.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("home/.local/share/mime/mime.cache")), kHangMs);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("home/.local/share/applications/mimeinfo.cache")),
                                 kHangMs);

        window.terminate();
        QVERIFY(window.waitForFinished(kHangMs));
    }
};

QTEST_GUILESS_MAIN(TestFirstStart)
#include "test_first_start.moc"
