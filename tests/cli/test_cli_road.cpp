// vexlor-cli's road classes, the check of a file against one, the
// fingerprint of a file and of the controller, and the settings sheet.

#include "event_wait.h"
#include "sim_process.h"
#include "file_bytes.h"

#include "params/parameter_codec.h"
#include "params/parameter_comparison.h"

#include "cli_run.h"

#include <QImage>
#include <QtTest>

namespace {

// The initial state with the throttle working only while pedalling: it keeps
// to every class. Rows add the values that break one.
const QByteArray kKeeping("19\r\n1\r\n");

// pdftotext's text of a PDF in drawing order (each caption beside its value),
// blanks and line ends folded into one blank.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-q"), QStringLiteral("-raw"), path, QStringLiteral("-")});
    if (!process.waitForFinished(kHangMs))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}


// The words pdftotext finds on a page that show no ink where it places them:
// text cut off by its box, drawn over or left out of the picture.
QStringList invisibleWords(const QString &pdf, const QString &folder)
{
    QProcess words;
    words.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QProcess picture;
    const QString png = folder + QStringLiteral("/page");
    picture.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                   pdf, png});
    if (!words.waitForFinished(kHangMs) || !picture.waitForFinished(kHangMs))
        return {QStringLiteral("(poppler failed)")};
    const QImage page(png + QStringLiteral(".png"));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QStringList invisible;
    for (const QRegularExpressionMatch &m : word.globalMatch(QString::fromUtf8(words.readAllStandardOutput()))) {
        // 144 dpi: two pixels a point.
        const QRect box(QPoint(int(m.captured(1).toDouble() * 2), int(m.captured(2).toDouble() * 2)),
                        QPoint(int(m.captured(3).toDouble() * 2), int(m.captured(4).toDouble() * 2)));
        // Each quarter of a word's width must show ink: a word cut at either
        // end does not. Signs and short words (":", "•", "2") only somewhere.
        const int parts = m.captured(5).size() < 3 ? 1 : 4;
        for (int part = 0; part < parts; ++part) {
            bool ink = false;
            for (int x = box.left() + box.width() * part / parts; x <= box.left() + box.width() * (part + 1) / parts; ++x)
                for (int y = box.top(); y <= box.bottom(); ++y)
                    ink = ink || qGray(page.pixel(x, y)) < 170;
            if (!ink) {
                invisible << m.captured(5);
                break;
            }
        }
    }
    return invisible;
}

} // namespace

using namespace vexlor;

class TestCliRoad : public QObject {
    Q_OBJECT
private slots:
    // classes: one tab-separated line per class, ID first.
    void classesListsEveryClass()
    {
        const CliRun run = runCli({QStringLiteral("classes")});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.first(), QStringLiteral("eu-epac\tEU / UK pedelec (EN 15194)\tat most 25.0 km/h\t"
                                               "at most 250 W\tthrottle only while pedalling"));
        QCOMPARE(lines[2], QStringLiteral("us-class2\tUS class 2\tat most 32.1 km/h (20 mph)\tat most 750 W\t"
                                          "throttle also without pedalling"));
        QCOMPARE(runCli({QStringLiteral("classes"), QStringLiteral("x")}).exitCode, 2);
        // In imperial, the speed the controller holds in mph and the law's figure.
        const CliRun imperial = runCli({"--units", "imperial", "classes"});
        QCOMPARE(imperial.exitCode, 0);
        const QStringList imperialLines = QString::fromUtf8(imperial.out).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(imperialLines.first().contains(u"\tat most 15.53 mph (25 km/h)\t"));
        QVERIFY(imperialLines[2].contains(u"\tat most 19.95 mph (20 mph)\t"));
        const CliRun unknown = runCli({"--units", "furlongs", "classes"});
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY(unknown.err.contains("'furlongs' names no units"));
    }

    // check: STATUS, RULE, CAPTION, VALUE, LIMIT per finding; exit 0 when
    // nothing breaks the class (notes and warnings alone included), 3 when
    // something does or, with --strict, a value is implausible, 2 for bad
    // input, and nothing on stdout then.
    void check_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("keeps") << kKeeping << QStringList{"--class", "eu-epac"} << 0 << QByteArray();
        QTest::newRow("25.0 keeps") << kKeeping + "5\r\n25.0\r\n" << QStringList{"--class", "au"} << 0
                                    << QByteArray();
        QTest::newRow("25.1 breaks")
            << kKeeping + "5\r\n25.1\r\n" << QStringList{"--class", "eu-epac"} << 3
            << QByteArray("breaks\tspeed-limit\tSpeed limit\t25.1 km/h\tat most 25.0 km/h\n");
        QTest::newRow("the initial state in the EU")
            << QByteArray("1\r\n14.0\r\n") << QStringList{"--class", "EU-EPAC"} << 3
            << QByteArray("breaks\tthrottle-without-pedalling\tWorking style\tIndependently\tonly with pedalling: "
                          "Together with pedal sensor or Start by pedal sensor, or Use throttle cleared\n");
        QTest::newRow("the initial state in class 2") << QByteArray("1\r\n14.0\r\n")
                                                      << QStringList{"--class", "us-class2"} << 0 << QByteArray();
        const QByteArray note57("note\twheel-perimeter\tWheel perimeter\t2074 mm, so the speedometer reads 5 % slow\t"
                                "2128 mm to 2258 mm: the tire 57-584 rolls 2193 mm a turn\n");
        // 2074 mm on a 57-584 at 25.0 km/h: it assists up to 26.4 km/h, within 32.1 and 32.0.
        QTest::newRow("short perimeter, class 2 kept")
            << kKeeping << QStringList{"--class", "us-class2", "--tire", "57-584"} << 0 << note57;
        QTest::newRow("short perimeter, Canada kept")
            << kKeeping << QStringList{"--class", "ca", "--tire", "57-584"} << 0 << note57;
        QTest::newRow("short perimeter breaks the EU")
            << kKeeping << QStringList{"--class", "eu-epac", "--tire", "57-584"} << 3
            << QByteArray("breaks\twheel-perimeter\tWheel perimeter\t2074 mm, so it assists up to 26.4 km/h\t"
                          "at least 2189 mm: the tire 57-584 rolls 2193 mm a turn\n");
        QTest::newRow("no speed limit")
            << kKeeping << QStringList{"--class", "us-class2", "--tire", "57-584", "--no-speed-limit"} << 3
            << QByteArray("breaks\tspeed-limit\tSpeed limit\t900.0 km/h\tat most 32.1 km/h (20 mph)\n"
                          "breaks\twheel-perimeter\tWheel perimeter\t2074 mm, and there is no speed limit: it "
                          "assists at any speed\tat most 32.1 km/h (20 mph)\n");
        QTest::newRow("imperial")
            << kKeeping + "5\r\n25.1\r\n" << QStringList{"--class", "eu-epac", "--units", "imperial"} << 3
            << QByteArray("breaks\tspeed-limit\tSpeed limit\t15.6 mph\tat most 15.53 mph (25 km/h)\n");
        QTest::newRow("imperial, no speed limit")
            << kKeeping << QStringList{"--class", "us-class2", "--tire", "57-584", "--no-speed-limit", "--units=imperial"}
            << 3
            << QByteArray("breaks\tspeed-limit\tSpeed limit\t559.23 mph\tat most 19.95 mph (20 mph)\n"
                          "breaks\twheel-perimeter\tWheel perimeter\t2074 mm, and there is no speed limit: it "
                          "assists at any speed\tat most 19.95 mph (20 mph)\n");
        QTest::newRow("imperial, short perimeter")
            << kKeeping << QStringList{"--class", "eu-epac", "--tire", "57-584", "--units", "imperial"} << 3
            << QByteArray("breaks\twheel-perimeter\tWheel perimeter\t2074 mm, so it assists up to 16.4 mph\t"
                          "at least 2189 mm: the tire 57-584 rolls 2193 mm a turn\n");
        QTest::newRow("unknown units") << kKeeping << QStringList{"--class", "ca", "--units", "knots"} << 2
                                       << QByteArray();
        QTest::newRow("power and tire")
            << kKeeping + "43\r\n600\r\n7\r\n2000\r\n" << QStringList{"--tire", "57-584", "--class", "ca"} << 3
            << QByteArray("breaks\trated-power\tRated power\t600 W\tat most 500 W\n"
                          "note\twheel-perimeter\tWheel perimeter\t2000 mm, so the speedometer reads 9 % slow\t"
                          "2128 mm to 2258 mm: the tire 57-584 rolls 2193 mm a turn\n");
        QTest::newRow("inch size") << kKeeping << QStringList{"--class", "us-class2", "--tire", "26x2.125"} << 0
                                   << QByteArray();
        QTest::newRow("French size")
            << kKeeping + "7\r\n2000\r\n" << QStringList{"--class", "us-class2", "--tire", "700x45c"} << 0
            << QByteArray("note\twheel-perimeter\tWheel perimeter\t2000 mm, so the speedometer reads 11 % slow\t"
                          "2170 mm to 2303 mm: the tire 700×45C (45-622) rolls 2237 mm a turn\n");
        QTest::newRow("a second class")
            << kKeeping << QStringList{"--class", "us-class2", "--class", "eu-epac"} << 2 << QByteArray();
        QTest::newRow("common tire kept") << kKeeping << QStringList{"--class", "eu-epac", "--tire", "26x2.1"}
                                          << 0 << QByteArray();
        // Without a class the plausibility rules alone; their warnings fail only --strict.
        QTest::newRow("no class") << kKeeping << QStringList{} << 0 << QByteArray();
        const QByteArray zeroMagnets("warn\tzero-count\tSpeedometer magnets\t0\tat least 1\n");
        QTest::newRow("a warning") << kKeeping + "6\r\n0\r\n" << QStringList{} << 0 << zeroMagnets;
        QTest::newRow("a warning, strict") << kKeeping + "6\r\n0\r\n" << QStringList{"--strict"} << 3
                                           << zeroMagnets;
        QTest::newRow("strict, nothing to warn of")
            << kKeeping << QStringList{"--strict", "--class", "eu-epac"} << 0 << QByteArray();
        QTest::newRow("both sets, the breach first")
            << kKeeping + "6\r\n0\r\n5\r\n25.1\r\n" << QStringList{"--class", "eu-epac"} << 3
            << QByteArray("breaks\tspeed-limit\tSpeed limit\t25.1 km/h\tat most 25.0 km/h\n") + zeroMagnets;
        QTest::newRow("a tire without a class") << kKeeping << QStringList{"--tire", "57-584"} << 2 << QByteArray();
        QTest::newRow("unknown class") << kKeeping << QStringList{"--class", "eu"} << 2 << QByteArray();
        QTest::newRow("unknown tire") << kKeeping << QStringList{"--class", "ca", "--tire", "57"} << 2
                                      << QByteArray();
        QTest::newRow("unknown option") << kKeeping << QStringList{"--class", "ca", "--fast"} << 2
                                        << QByteArray();
        QTest::newRow("a file that cannot be sent") << QByteArray("1\r\nabc\r\n") << QStringList{"--class", "ca"}
                                                    << 2 << QByteArray();
    }
    void check()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QTemporaryDir dir;
        // A global option goes before the command.
        const QStringList global = options.filter(QStringLiteral("--no-speed-limit"));
        options.removeAll(QStringLiteral("--no-speed-limit"));
        const CliRun run = runCli(global + QStringList{"check", writeFile(dir, "f.vxc", file)} + options);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err.isEmpty(), exitCode != 2);
    }

    // A tire size with a decimal comma counts in a language that writes one
    // and nowhere else; the point counts everywhere.
    void checkTakesTheDecimalCommaOfTheLanguage()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, "f.vxc", kKeeping);
        const QStringList check{"check", file, "--class", "us-class2", "--tire"};
        const CliRun german = runCliInLocale({"LANG=de_DE.UTF-8"}, check + QStringList{"27,5x2,8"});
        QCOMPARE(german.exitCode, 0);
        QVERIFY2(german.out.startsWith("note\twheel-perimeter\t"), german.out.constData());
        QVERIFY2(german.out.contains("27.5×2.8 (71-584)"), german.out.constData());
        QCOMPARE(runCliInLocale({"LANG=de_DE.UTF-8"}, check + QStringList{"27.5x2.8"}).out, german.out);
        const CliRun english = runCliInLocale({"LANG=en_GB.UTF-8"}, check + QStringList{"27,5x2,8"});
        QCOMPARE(english.exitCode, 2);
        QVERIFY(english.err.contains("is no tire size"));
    }

    // The fingerprint a file gives is the one the controller gives once that
    // file is written to it, and another before; a file that cannot be sent
    // has none, and no controller none either.
    void fingerprintOfFileAndController()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, "bike.vxc", kKeeping + "5\r\n32.0\r\n43\r\n500\r\n");
        const CliRun ofFile = runCli({QStringLiteral("fingerprint"), file});
        QCOMPARE(ofFile.exitCode, 0);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{4}-[0-9A-F]{4}\n$"))
                    .match(QString::fromLatin1(ofFile.out)).hasMatch());
        QCOMPARE(runCli({QStringLiteral("fingerprint"), writeFile(dir, "initial.vxc", "1\r\n14.0\r\n")}).out,
                 QByteArray("2706-A668\n"));

        SimProcess sim;
        const QString port = sim.start({"--set", "40=2"});
        QVERIFY(!port.isEmpty());
        const CliRun before = runCli({QStringLiteral("fingerprint")}, port);
        QCOMPARE(before.exitCode, 0);
        QVERIFY(before.out != ofFile.out);
        const CliRun write = runCli({QStringLiteral("write"), QStringLiteral("--no-backup"), file}, port);
        QCOMPARE(write.exitCode, 0);
        const CliRun after = runCli({QStringLiteral("fingerprint")}, port);
        QCOMPARE(after.exitCode, 0);
        QCOMPARE(after.out, ofFile.out);

        QCOMPARE(runCli({QStringLiteral("fingerprint"), writeFile(dir, "bad.vxc", "1\r\nabc\r\n")}).exitCode, 2);
        QCOMPARE(runCli({QStringLiteral("fingerprint"), file, file}).exitCode, 2);
        SimProcess silent;
        const QString deaf = silent.start({"--fault", "no-reply", "--always"});
        const CliRun none = runCli({QStringLiteral("fingerprint")}, deaf);
        QCOMPARE(none.exitCode, 1);
        QVERIFY(none.out.isEmpty());
    }

    // sheet: a one-page PDF holding every caption and value, the
    // fingerprint, the check and the lines to sign; made with no display.
    void sheetHoldsEverything()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) not found");
        QTemporaryDir dir;
        const QString file = writeFile(dir, "bike.vxc", "5\r\n27.5\r\n43\r\n350\r\n20\r\n5\r\n");
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path()); // as a login session has
        const CliRun run = runWithEnvironment(QStringLiteral(VEXLOR_CLI_PATH),
                                              {"sheet", file, "-o", pdf, "--class", "eu-epac", "--tire", "57-584"},
                                              environment);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        const QString text = pdfText(pdf);
        const QString mark = QString::fromLatin1(runCli({QStringLiteral("fingerprint"), file}).out).trimmed();
        for (const QString &expected :
             {QStringLiteral("Settings Sheet"), QStringLiteral("Document: bike.vxc"), mark,
              QStringLiteral("Max battery current 14.0 A"), QStringLiteral("Speed limit 27.5 km/h"),
              QStringLiteral("Rated power 350 W"), QStringLiteral("Limit max speed On"),
              QStringLiteral("Wheel perimeter 2074 mm"), QStringLiteral("Road class: EU / UK pedelec (EN 15194)"),
              QStringLiteral("Speed limit: 27.5 km/h (allowed: at most 25.0 km/h)"),
              QStringLiteral("Rated power: 350 W (allowed: at most 250 W)"),
              QStringLiteral("Bike shop: date and signature"), QStringLiteral("Customer: date and signature"),
              QStringLiteral("Made with: Vexlor Adjustor")})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral("\n in: ") + text));
        // Every stored parameter: its caption beside its value and unit, as
        // the window shows them.
        ParameterValues values = encodeAll(ParameterSnapshot::initial(), NumberFormat{}).values;
        values[5] = 275;
        values[43] = 350;
        values[20] = 5;
        int rows = 0;
        for (const ParameterDescriptor &d : parameterTable()) {
            if (!d.isStored())
                continue;
            const QString row = fieldLabel(d) + u' ' + valueWithUnit(d, shownValueText(d.index, values[d.index], {}));
            QVERIFY2(text.contains(row), qPrintable(row));
            ++rows;
        }
        QCOMPARE(rows, 43);
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(kHangMs));
        QVERIFY(info.readAllStandardOutput().contains("Pages:           1"));

        QCOMPARE(invisibleWords(pdf, dir.path()).join(u' '), QString());

        // A sheet that cannot be written is an error; a missing -o a usage error.
        const CliRun onFolder = runCli({"sheet", file, "-o", dir.path()});
        QCOMPARE(onFolder.exitCode, 2);
        QVERIFY(onFolder.err.contains("Cannot create file "));
        QCOMPARE(runCli({"sheet", file}).exitCode, 2);
        // Nor does a sheet ever replace the configuration it is made of.
        QFile::link(file, dir.filePath(QStringLiteral("link.vxc")));
        for (const QString &target : {file, dir.filePath(QStringLiteral("link.vxc"))}) {
            const CliRun onItself = runCli({"sheet", file, "-o", target});
            QCOMPARE(onItself.exitCode, 2);
            QVERIFY(onItself.err.contains("would replace"));
        }
        QCOMPARE(runCli({QStringLiteral("fingerprint"), file}).out.trimmed(), mark.toLatin1());

        // In imperial the sheet says so and shows speeds in mph.
        const CliRun imperial = runWithEnvironment(
            QStringLiteral(VEXLOR_CLI_PATH), {"sheet", file, "-o", pdf, "--units", "imperial"}, environment);
        QCOMPARE(imperial.exitCode, 0);
        const QString imperialText = pdfText(pdf);
        for (const QString &expected : {QStringLiteral("Units: Imperial (mph)"), QStringLiteral("Speed limit 17.1 mph")})
            QVERIFY2(imperialText.contains(expected), qPrintable(expected + QStringLiteral("\n in: ") + imperialText));
        QVERIFY(text.contains(QStringLiteral("Units: Metric (km/h)")));
    }

    // propose writes what it prints into a new file, which keeps to the class
    // with the tire it was given; never over the file it starts from or over
    // a file that is no configuration.
    void proposeWritesAFileThatKeepsTheClass()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("bike.vxc"));
        const QStringList parts{"propose", "--battery", "48", "--bms", "25", "--tire", "57-584",
                                "--class", "eu-epac", "--levels", "3"};
        const CliRun run = runCli(parts + QStringList{"-o", out});
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.split('\n');
        for (const char *line : {"Low voltage protection\t31.5 V\t41.0 V\t13 cells",
                                 "Max battery current\t14.0 A\t25.0 A\t", "Speed limit\t25.0 km/h\t25.0 km/h\t",
                                 "Wheel perimeter\t2074 mm\t2193 mm\tthe tire 57-584 rolls 2193 mm a turn",
                                 "Level 3\t50 %\t100 %\t"})
            QVERIFY2(std::any_of(lines.begin(), lines.end(), [&](const QByteArray &l) { return l.startsWith(line); }),
                     line);
        const CliRun check = runCli({"check", out, "--class", "eu-epac", "--tire", "57-584"});
        QCOMPARE(check.exitCode, 0);
        QCOMPARE(check.out, QByteArray());
        QCOMPARE(runCli({"fingerprint", out}).exitCode, 0);

        // From a file of the rider's: its other values stay.
        const QByteArray mine("1\r\n20.0\r\n48\r\n300\r\n");
        const QString start = writeFile(dir, "mine.vxc", mine);
        const QString text = writeFile(dir, "notes.txt", "not a configuration\n");
        for (const QString &target : {start, text}) {
            const CliRun refused = runCli(parts + QStringList{start, "-o", target});
            QCOMPARE(refused.exitCode, 2);
            QVERIFY2(refused.err.contains(target.toUtf8()), refused.err.constData());
        }
        QCOMPARE(fileBytes(start), mine);
        QCOMPARE(fileBytes(text), QByteArray("not a configuration\n"));
        QCOMPARE(runCli(parts + QStringList{start, "-o", out}).exitCode, 0); // an earlier proposal is replaced
        QVERIFY(fileBytes(out).contains("\r\n48\r\n300\r\n"));
        QCOMPARE(runCli(parts + QStringList{"--battery", "47", "-o", out}).exitCode, 2);
        QCOMPARE(runCli({"propose", "--battery", "48", "-o", out}).exitCode, 2);
    }

    // --units imperial gives explain's and propose's speeds in mph; the file
    // propose writes holds the same km/h either way.
    void explainAndProposeFollowTheUnits()
    {
        const CliRun metric = runCli({"explain", "SpeedLimit"});
        QVERIFY2(metric.out.contains("Unit: km/h.") && metric.out.contains("Initial value: 25.0 km/h."),
                 metric.out.constData());
        const CliRun imperial = runCli({"--units", "imperial", "explain", "SpeedLimit"});
        QCOMPARE(imperial.exitCode, 0);
        QVERIFY2(imperial.out.contains("Unit: mph.") && imperial.out.contains("Initial value: 15.53 mph."),
                 imperial.out.constData());
        QVERIFY(runCli({"--units", "imperial", "explain"}).out.contains("Initial value: 15.53 mph."));
        QVERIFY(runCli({"--units", "imperial", "explain", "MaxBatteryCurrent"}).out.contains("Initial value: 14.0 A."));

        QTemporaryDir dir;
        const QStringList parts{"propose", "--battery", "48", "--bms", "25", "--tire", "57-584",
                                "--class", "us-class2"};
        const QString inKmh = dir.filePath(QStringLiteral("kmh.vxc"));
        const QString inMph = dir.filePath(QStringLiteral("mph.vxc"));
        const CliRun kmh = runCli(parts + QStringList{"-o", inKmh});
        const CliRun mph = runCli(QStringList{"--units", "imperial"} + parts + QStringList{"-o", inMph});
        QCOMPARE(mph.exitCode, 0);
        QVERIFY2(kmh.out.contains("Speed limit\t25.0 km/h\t32.1 km/h\t"), kmh.out.constData());
        QVERIFY2(mph.out.contains("Speed limit\t15.53 mph\t19.95 mph\t"), mph.out.constData());
        QVERIFY(mph.out.contains("Max battery current\t14.0 A\t25.0 A\t"));
        QCOMPARE(fileBytes(inMph), fileBytes(inKmh));
    }

    // sheet -o replaces an earlier sheet, never another configuration or
    // anything else that is no PDF, named directly or through a link.
    void sheetReplacesOnlyPdfs()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, "a.vxc", "1\r\n14.0\r\n");
        const QByteArray other("1\r\n20.0\r\n43\r\n600\r\n");
        const QString b = writeFile(dir, "b.vxc", other);
        const QString link = dir.filePath(QStringLiteral("b-sheet.pdf"));
        QVERIFY(QFile::link(b, link));
        for (const QString &target : {b, link}) {
            const CliRun run = runCli({"sheet", file, "-o", target});
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains(target.toUtf8() + " is not a PDF file"), run.err.constData());
            QVERIFY(run.out.isEmpty());
        }
        QFile written(b);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), other);
        QVERIFY(QFileInfo(link).isSymLink());
        const QString earlier = writeFile(dir, "a.pdf", "%PDF-1.4\n%an earlier sheet\n");
        QCOMPARE(runCli({"sheet", file, "-o", earlier}).exitCode, 0);
        QFile sheet(earlier);
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        QVERIFY(!sheet.readAll().contains("an earlier sheet"));
    }

    // Every word of the sheet shows on the page, in every language, with the
    // longest choices the window offers, with every rule broken at once, and
    // with a note below three findings.
    void sheetShowsEveryWord_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("fileName");
        const QString name = QStringLiteral("long.vxc");
        for (const char *language : {"en_GB", "de_DE", "fr_FR", "nl_NL", "es_ES", "it_IT", "pl_PL"}) {
            // "Together with pedal sensor", 60° Sensors, Without clutch.
            QTest::addRow("%s, long choices", language)
                << language << QByteArray("19\r\n1\r\n40\r\n1\r\n41\r\n1\r\n") << name;
            QTest::addRow("%s, four findings", language)
                << language << QByteArray("5\r\n99.9\r\n43\r\n2000\r\n7\r\n1500\r\n") << name;
            // Three findings and a note on a perimeter 7 % long: the most lines a check has.
            QTest::addRow("%s, findings and a note", language)
                << language << QByteArray("5\r\n99.9\r\n43\r\n2000\r\n7\r\n2500\r\n") << name;
        }
        // A document name longer than the header has room for is shortened
        // in its middle, clear of the fingerprint's box.
        QTest::addRow("long document name")
            << "en_GB" << QByteArray("1\r\n14.0\r\n")
            << QStringLiteral("Customer-Mueller-cargo-bike-with-the-long-tail-and-the-child-seat-spring-service-2026.vxc");
    }
    void sheetShowsEveryWord()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, settings);
        QFETCH(QString, fileName);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) not found");
        QTemporaryDir dir;
        const QString file = writeFile(dir, fileName.toUtf8().constData(), settings);
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        const CliRun run = runCliInLocale({"LANG=" + language + ".UTF-8", "XDG_RUNTIME_DIR=" + dir.path()},
                                          {"sheet", file, "-o", pdf, "--class", "eu-epac", "--tire", "29x2.3"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(invisibleWords(pdf, dir.path()).join(u' '), QString());
        if (fileName.size() > 40) {
            const QString text = pdfText(pdf);
            QVERIFY2(text.contains(QStringLiteral("Document: ") + fileName.left(16)), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("2026.vxc")), qPrintable(text));
            QVERIFY(!text.contains(fileName));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliRoad)
#include "test_cli_road.moc"
