// vexlor-cli export --json, import and the profiles, run as a script would.

#include "cli_run.h"
#include "file_bytes.h"

#include "files/vxc_writer.h"

#include <QDir>
#include <QtTest>

using namespace vexlor;

namespace {

QString profilesFolder()
{
    return cliDataHome() + QStringLiteral("/vexlor-adjustor/profiles");
}

// A file as the window writes it under a decimal comma, with a text that is
// no number in one field: nothing of it may change on the way.
QByteArray windowFile()
{
    ParameterSnapshot s = ParameterSnapshot::initial();
    s[1].text = QStringLiteral("18,5");
    s[49].text = QStringLiteral("0,30");
    s[19].number = 2;
    return configurationFileBytes(s);
}

CliRun importJson(const QString &json, const QStringList &options)
{
    return runCli(QStringList{QStringLiteral("import"), json} + options);
}

} // namespace

class TestCliJson : public QObject {
    Q_OBJECT
private slots:
    void init() { QDir(profilesFolder()).removeRecursively(); }

    // Guards the round trip from the shell: a file the window wrote, to JSON
    // and back, is the same file byte for byte.
    void roundTrip()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, "bike.vxc", windowFile());
        const CliRun exported = runCli({QStringLiteral("export"), file, QStringLiteral("--json")});
        QCOMPARE(exported.exitCode, 0);
        QVERIFY(exported.out.contains("\"value\": \"18,5\""));
        const QString json = writeFile(dir, "bike.json", exported.out);
        const QString back = dir.filePath(QStringLiteral("back.vxc"));
        const CliRun imported = importJson(json, {QStringLiteral("-o"), back});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY2(imported.err.isEmpty(), imported.err.constData());
        QCOMPARE(fileBytes(back), windowFile());
        // And the export names the fingerprint the fingerprint command prints.
        const CliRun mark = runCli({QStringLiteral("fingerprint"), file});
        QVERIFY(exported.out.contains("\"fingerprint\": \"" + mark.out.trimmed() + '"'));
    }

    // Guards the refusals: bad JSON and a value beyond the limits leave the
    // target as it was (--force takes the value, with a warning), and a file
    // that is no configuration is never written over.
    void refusals()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, "bike.vxc", windowFile());
        const QString target = writeFile(dir, "target.vxc", windowFile());
        const QByteArray json = runCli({QStringLiteral("export"), file, QStringLiteral("--json")}).out;

        CliRun run = importJson(writeFile(dir, "bad.json", json.left(40)), {QStringLiteral("-o"), target});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("This is no JSON (at byte"), run.err.constData());

        // Changed by hand: the fingerprint goes with the change.
        QList<QByteArray> lines = json.split('\n');
        lines.removeIf([](const QByteArray &line) { return line.contains("\"fingerprint\""); });
        const QString tooMuchPath =
            writeFile(dir, "much.json", lines.join('\n').replace("\"18,5\"", "\"45\""));
        run = importJson(tooMuchPath, {QStringLiteral("-o"), target});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("MaxBatteryCurrent: 45 is beyond the field's limits (allowed: at most 30.0 A).\n"
                                    "Nothing was written. Give --force"), run.err.constData());
        QCOMPARE(fileBytes(target), windowFile());

        run = importJson(tooMuchPath, {QStringLiteral("-o"), target, QStringLiteral("--force")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.startsWith("MaxBatteryCurrent: 45 is beyond"));
        QVERIFY(fileBytes(target).startsWith("1\r\n45\r\n"));

        const QString notes = writeFile(dir, "notes.txt", "Customer: call back\n");
        run = importJson(writeFile(dir, "good.json", json), {QStringLiteral("-o"), notes});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("is no configuration file: it is left as it is."), run.err.constData());
        QCOMPARE(fileBytes(notes), QByteArray("Customer: call back\n"));
    }

    // Guards the profiles from the shell: an import keeps one under a name
    // with its note, the list shows it, every command taking FILE takes it by
    // name, and names that are no file names are refused clearly.
    void profiles()
    {
#ifdef Q_OS_WIN
        // Windows keeps the profiles in the user's own application data,
        // which no environment variable moves into a test's folder.
        QSKIP("the profiles' folder cannot be moved aside on Windows");
#endif
        QTemporaryDir dir;
        const QString file = writeFile(dir, "bike.vxc", windowFile());
        const QString json =
            writeFile(dir, "bike.json", runCli({QStringLiteral("export"), file, QStringLiteral("--json")}).out);
        CliRun run = importJson(json, {QStringLiteral("--profile"), QStringLiteral("City 36V"),
                                       QStringLiteral("--note"), QStringLiteral("Shop bikes, 36 V battery")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(fileBytes(profilesFolder() + QStringLiteral("/City 36V.vxc")), windowFile());
        run = runCli({QStringLiteral("profiles")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("City 36V\tShop bikes, 36 V battery\n"));

        const CliRun byFile = runCli({QStringLiteral("encode"), file});
        run = runCli({QStringLiteral("encode"), QStringLiteral("--profile"), QStringLiteral("City 36V")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, byFile.out);
        run = runCli({QStringLiteral("diff"), QStringLiteral("--profile=City 36V"), file});
        QCOMPARE(run.exitCode, 0);

        run = runCli({QStringLiteral("encode"), QStringLiteral("--profile"), QStringLiteral("Town")});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QByteArray("No profile is named \"Town\".\n"));
        run = importJson(json, {QStringLiteral("--profile"), QStringLiteral("../escape")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("A profile's name cannot hold / \\ : * ? \" < > | or control characters"),
                 run.err.constData());
        run = importJson(json, {QStringLiteral("--profile"), QStringLiteral("nul")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("cannot name a file on every system"), run.err.constData());
        QCOMPARE(QDir(profilesFolder()).entryList(QDir::Files).size(), 2); // City 36V's .vxc and .note
    }
};

QTEST_GUILESS_MAIN(TestCliJson)
#include "test_cli_json.moc"
