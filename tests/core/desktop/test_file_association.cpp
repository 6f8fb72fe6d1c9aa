// The .vxc association for the current user, the freedesktop way.

#include "event_wait.h"
#include "file_bytes.h"
#include "desktop/freedesktop_file_association.h"
#include "xdg_mime.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexlor;

namespace {

// A home of its own for one test: XDG_DATA_HOME and XDG_CONFIG_HOME point
// into a scratch folder while it lives.
class ScratchHome {
public:
    ScratchHome()
    {
        qputenv("XDG_DATA_HOME", data().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", config().toLocal8Bit());
    }
    ~ScratchHome()
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }
    ScratchHome(const ScratchHome &) = delete;
    ScratchHome &operator=(const ScratchHome &) = delete;

    [[nodiscard]] QString data() const { return m_dir.filePath("data"); }
    [[nodiscard]] QString config() const { return m_dir.filePath("config"); }
    [[nodiscard]] QString path(const QString &relative) const { return m_dir.filePath(relative); }

    // The database tools run detached; the scratch folder must outlive them.
    void waitForDatabases() const
    {
        if (!QStandardPaths::findExecutable("update-mime-database").isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(data() + "/mime/mime.cache"), kHangMs);
        if (!QStandardPaths::findExecutable("update-desktop-database").isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(data() + "/applications/mimeinfo.cache"), kHangMs);
    }

private:
    QTemporaryDir m_dir;
};

bool registerVxc(const QString &program)
{
    FreedesktopFileAssociation association(QStringLiteral("Vexlor Adjustor"));
    return association.registerFileType(".vxc", "vxc file", program, "vxc file");
}

} // namespace

class TestFileAssociation : public QObject {
    Q_OBJECT
private slots:
    void execArgument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain path") << "/usr/bin/vexlor-adjustor" << "/usr/bin/vexlor-adjustor";
        QTest::newRow("blank") << "/opt/My Tools/adj" << "\"/opt/My Tools/adj\"";
        QTest::newRow("dollar and backtick") << "/opt/$x`y`/adj" << "\"/opt/\\$x\\`y\\`/adj\"";
        QTest::newRow("double quote") << "/opt/a\"b/adj" << "\"/opt/a\\\"b/adj\"";
        QTest::newRow("single quote") << "/opt/it's/adj" << "\"/opt/it's/adj\"";
        QTest::newRow("backslash") << "/opt/a\\b/adj" << "\"/opt/a\\\\b/adj\"";
        QTest::newRow("per-cent sign") << "/opt/100%/adj" << "/opt/100%%/adj";
        QTest::newRow("semicolon and per-cent") << "/opt/a;b%/adj" << "\"/opt/a;b%%/adj\"";
    }
    // Guards the Exec quoting: an unquoted reserved character splits or
    // expands the command, so the file would open with something else.
    void execArgument()
    {
        QFETCH(QString, argument);
        QFETCH(QString, exec);
        QCOMPARE(desktopExecArgument(argument), exec);
    }

    // Guards the second escaping layer: a backslash inside a quoted argument
    // is four backslashes in the file.
    void execLineEscapesBackslashTwice()
    {
        const QByteArray entry = associationDesktopEntry("Vexlor Adjustor", "/opt/a\\b/adj", kVxcMimeType);
        QVERIFY(entry.contains("\nExec=\"/opt/a\\\\\\\\b/adj\" %f\n"));
    }

    // Guards what is written where: the MIME package with the comment and
    // glob, the hidden desktop entry that opens one file with the program,
    // and the default in mimeapps.list beside the user's other lines.
    void writesTheUsersFiles()
    {
        ScratchHome home;
        QDir().mkpath(home.config());
        QFile list(home.config() + "/mimeapps.list");
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("[Default Applications]\ntext/plain=editor.desktop;\n");
        list.close();

        QVERIFY(registerVxc("/opt/My Tools/vexlor-adjustor"));
        home.waitForDatabases();

        const QByteArray xml = fileBytes(home.data() + "/mime/packages/vexlor-adjustor-vxc.xml");
        QVERIFY(xml.contains("<mime-type type=\"application/x-vexlor-vxc\">"));
        QVERIFY(xml.contains("<comment>vxc file</comment>"));
        QVERIFY(xml.contains("<glob pattern=\"*.vxc\"/>"));
        const QString desktopPath = home.data() + "/applications/vexlor-adjustor-vxc.desktop";
        QCOMPARE(fileBytes(desktopPath),
                 QByteArray("[Desktop Entry]\nType=Application\nName=Vexlor Adjustor\n"
                            "Exec=\"/opt/My Tools/vexlor-adjustor\" %f\nMimeType=application/x-vexlor-vxc;\n"
                            "NoDisplay=true\nTerminal=false\n"));
        QCOMPARE(fileBytes(home.config() + "/mimeapps.list"),
                 QByteArray("[Default Applications]\ntext/plain=editor.desktop;\n"
                            "application/x-vexlor-vxc=vexlor-adjustor-vxc.desktop;\n"));

        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (!validator.isEmpty()) {
            QProcess validate;
            validate.start(validator, {desktopPath});
            QVERIFY(validate.waitForFinished(kHangMs));
            QCOMPARE(validate.readAll(), QByteArray());
            QCOMPARE(validate.exitCode(), 0);
        }
    }

    // Guards the end-to-end result: once registered, the desktop's own query
    // names the type of a .vxc file and its default program.
    void desktopKnowsTheType()
    {
        const QString xdgMime = usableXdgMime();
        if (xdgMime.isEmpty())
            QSKIP(kXdgToolsMissing);
        ScratchHome home;
        QDir().mkpath(home.path("system"));
        const QString sample = home.path("Some.vxc");
        QFile(sample).open(QIODevice::WriteOnly);

        const QProcessEnvironment env = genericDesktopEnvironment(home.path("system"));
        const auto query = [&](const QStringList &args) { return xdgMimeQuery(xdgMime, env, args); };
        QVERIFY(query({"filetype", sample}) != QLatin1String(kVxcMimeType));

        QVERIFY(registerVxc("/usr/bin/vexlor-adjustor"));
        QTRY_COMPARE_WITH_TIMEOUT(query({"filetype", sample}), QLatin1String(kVxcMimeType), kHangMs);
        QCOMPARE(query({"default", kVxcMimeType}), QStringLiteral("vexlor-adjustor-vxc.desktop"));
        home.waitForDatabases();
    }

    // Guards quiet failure: a data folder that cannot be made gives false
    // and nothing else.
    void failureIsQuiet()
    {
        ScratchHome home;
        QFile blocker(home.path("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_DATA_HOME", home.path("blocker/data").toLocal8Bit());
        QVERIFY(!registerVxc("/usr/bin/vexlor-adjustor"));
        QVERIFY(!QFile::exists(home.config() + "/mimeapps.list"));
    }
};

QTEST_GUILESS_MAIN(TestFileAssociation)
#include "test_file_association.moc"
