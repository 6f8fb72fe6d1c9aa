// vexlor-cli diff: which stored parameters two .vxc files set differently.

#include "cli_run.h"

#include <QtTest>

namespace {

CliRun runDiff(const QStringList &files)
{
    return runCli(QStringList{QStringLiteral("diff")} + files);
}

} // namespace

class TestCliDiff : public QObject {
    Q_OBJECT
private slots:
    void diff_data()
    {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        // A file that sets one value to its default (an empty file is refused).
        const QByteArray initial("3\r\n5\r\n");
        QTest::newRow("same values, different files")
            << QByteArray("1\r\n14.0\r\n") << QByteArray("3\r\n5\r\n") << 0 << QByteArray();
        QTest::newRow("texts, flags and choices, in file order")
            << QByteArray("40\r\n2\r\n18\r\n4.2\r\n8\r\n0\r\n")
            << QByteArray("8\r\n1\r\n18\r\n3.4\r\n") << 1
            << QByteArray("8 UsePedalSensor \"0\" \"1\"\n18 ThrottleFullVoltage \"4.2\" \"3.4\"\n"
                          "40 HallSensorType \"2\" \"0\"\n");
        QTest::newRow("empty text against the default")
            << QByteArray("48\r\n\r\n") << initial << 1 << QByteArray("48 StatorResistance \"\" \"300\"\n");
        QTest::newRow("listed escaped, in full")
            << "7\r\n\x1B[5m" + QByteArray(100, '9') + "\r\n" << initial << 1
            << "7 WheelPerimeter \"\\x1B[5m" + QByteArray(100, '9') + "\" \"2074\"\n";
        QTest::newRow("stored the same after clamping")
            << QByteArray("3\r\n15\r\n") << QByteArray("3\r\n10\r\n") << 0 << QByteArray();
        QTest::newRow("repeated key: the later value counts")
            << QByteArray("1\r\n20.0\r\n1\r\n14.0\r\n") << initial << 0 << QByteArray();
        QTest::newRow("written differently, sent the same")
            << QByteArray("47\r\n8\r\n49\r\n0.3\r\n1\r\n14\r\n12\r\n502\r\n50\r\n030\r\n")
            << QByteArray("47\r\n8.0\r\n49\r\n0.300\r\n1\r\n14.0\r\n12\r\n500\r\n50\r\n30\r\n")
            << 0 << QByteArray();
        QTest::newRow("sent differently: one count")
            << QByteArray("1\r\n14.0\r\n49\r\n0.3\r\n") << QByteArray("1\r\n14.05\r\n49\r\n0.301\r\n")
            << 1 << QByteArray("1 MaxBatteryCurrent \"14.0\" \"14.05\"\n49 StatorInductance \"0.3\" \"0.301\"\n");
        QTest::newRow("texts that are no values: compared as texts")
            << QByteArray("48\r\nabc\r\n47\r\n\r\n2\r\n99999\r\n")
            << QByteArray("48\r\nabc\r\n47\r\n0\r\n2\r\n99999.0\r\n") << 1
            << QByteArray("2 LowVoltageProtection \"99999\" \"99999.0\"\n47 MotorReductionRatio \"\" \"0\"\n");
    }
    // Guards the comparison of stored values: both files over the same
    // initial state, compared as the controller would receive them (texts
    // that are no value to send, as texts), one line per differing
    // parameter, exit 0 or 1.
    void diff()
    {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QTemporaryDir dir;
        QStringList files;
        for (const QByteArray &bytes : {a, b}) {
            files << dir.filePath(QString::number(files.size()) + QStringLiteral(".vxc"));
            QFile file(files.last());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const CliRun run = runDiff(files);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QVERIFY(run.err.isEmpty());
    }

    // Guards exit code 2: a missing or malformed file, or a wrong call, is
    // not a difference.
    void badInput()
    {
        QTemporaryDir dir;
        const QString bad = dir.filePath(QStringLiteral("bad.vxc"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("abc\r\n1\r\n");
        file.close();
        const QString missing = dir.filePath(QStringLiteral("missing.vxc"));

        CliRun run = runDiff({bad, bad});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err.trimmed(), QByteArray("'abc' is not a valid integer value"));
        run = runDiff({bad, missing});
        QCOMPARE(run.exitCode, 2);
        run = runDiff({missing, bad});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("Cannot open file"));
        run = runDiff({bad});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith("Usage: vexlor-cli diff A B"));
    }

    // Guards the help against contradicting diff's exit codes: 1 is "the files
    // differ" there, not a link failure as for the other commands.
    void helpStatesDiffExitCodes()
    {
        const CliRun run = runCli({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("\ndiff exits as diff(1) does: 0 no difference, 1 some differ, 2 bad input or usage.\n"),
                 run.out.constData());
    }
};

QTEST_GUILESS_MAIN(TestCliDiff)
#include "test_cli_diff.moc"
