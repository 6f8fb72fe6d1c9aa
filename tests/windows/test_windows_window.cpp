// The window of the Windows build under Wine, on the virtual display this
// test runs on (xvfb-run): the same texts and layout as Linux's window, and
// the real program starting up as a user starts it.

#include "drawn_texts.h"
#include "event_wait.h"
#include "wine_run.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kTitle = QStringLiteral("Vexlor Controller (FOC) Parameters Adjustor v1.35");

QString windowsShots()
{
    return windowsProgram(QStringLiteral("window-shots.exe"));
}

// Qt for Windows with its FreeType font engine: with its default one, Wine
// draws no text inside edit fields and spin boxes (a real Windows does).
// Wine keeps Linux's QT_ variables from Windows programs and hands them
// WINEQT_ ones under the QT_ name instead.
QProcessEnvironment windowEnvironment()
{
    return wineEnvironment({QStringLiteral("WINEQT_QPA_PLATFORM=windows:fontengine=freetype")});
}

// The folder the stage keeps its pictures of the Windows window in.
QString screenshots(const QString &name = {})
{
    return QDir(qEnvironmentVariable("VEXLOR_WINDOWS_BIN")).filePath(QStringLiteral("../screenshots/") + name);
}

// How far the closest of `readings` is from `expected`.
qsizetype distance(const QStringList &readings, const QString &expected)
{
    qsizetype closest = expected.size() + 1;
    for (const QString &reading : readings)
        closest = std::min(closest, editDistance(comparable(reading), expected));
    return closest;
}

// The texts of one platform's picture `name`, each with its readings (in
// grey, and in black and white).
struct Readings {
    QList<DrawnText> texts;
    QList<QStringList> read;
};

Readings readings(const QString &dir, const QString &name, const QString &work)
{
    Readings r;
    r.texts = drawnTexts(QDir(dir).filePath(name + QStringLiteral(".txt")));
    const QString picture = QDir(dir).filePath(name + QStringLiteral(".png"));
    const QStringList grey = readBack(picture, r.texts, work, Shades::Grey);
    const QStringList blackAndWhite = readBack(picture, r.texts, work, Shades::BlackAndWhite);
    for (qsizetype i = 0; i < grey.size() && i < blackAndWhite.size(); ++i)
        r.read.append({grey[i].trimmed(), blackAndWhite[i].trimmed()});
    return r;
}

// One line of window-shots' layout: the widget's box, and the rest.
struct Placed {
    QString line;
    QString text; // the line without the box
    QRect box;    // for the first line, the window's size
    bool shown = false;
};

QList<Placed> placed(const QString &path)
{
    static const QRegularExpression kBox(QStringLiteral(" (?:(-?\\d+),(-?\\d+) )?(\\d+)x(\\d+) "));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Placed> widgets;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = kBox.match(line);
        widgets.append({line, QString(line).replace(kBox, QStringLiteral(" ")),
                        QRect(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                              m.captured(4).toInt()),
                        line.contains(QLatin1String(" shown "))});
    }
    return widgets;
}

// The X window titled `title` on the display, as xwininfo names it.
bool windowShown(const QString &title)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    return xwininfo.waitForFinished(kHangMs) && xwininfo.readAllStandardOutput().contains(title.toUtf8());
}

} // namespace

class TestWindowsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!qEnvironmentVariable("DISPLAY").isEmpty()); }

    // The English window, laid out by Qt for Windows under Wine and by Qt on
    // Linux: every named control and caption, item, tab and menu entry the
    // same, in the same state; each control in the same column with the same
    // width, above or below the others of its column and left or right of the
    // others of its row as on Linux, inside the window. (Heights differ:
    // Windows' controls are a few pixels shorter, so rows move up a little.)
    void sameTextsAndLayoutAsOnLinux()
    {
        QTemporaryDir dir;
        const QString linuxFile = dir.filePath(QStringLiteral("linux.txt"));
        const QString windowsFile = dir.filePath(QStringLiteral("windows.txt"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        QCOMPARE(runWithEnvironment(QStringLiteral(VEXLOR_WINDOW_SHOTS_PATH),
                                    {QStringLiteral("--layout"), linuxFile}, environment)
                     .exitCode,
                 0);
        const CliRun run = runWithEnvironment(QStringLiteral("wine"),
                                              {windowsShots(), QStringLiteral("--layout"), windowsFile},
                                              windowEnvironment(), kWineRunDeadlineMs);
        QVERIFY2(run.exitCode == 0, run.err.constData());

        const QList<Placed> linux = placed(linuxFile);
        const QList<Placed> windows = placed(windowsFile);
        QVERIFY(linux.size() > 100);
        QCOMPARE(windows.size(), linux.size());
        const QRect screen = windows.first().box;
        for (qsizetype i = 0; i < linux.size(); ++i) {
            QCOMPARE(windows[i].text, linux[i].text);
            if (!linux[i].shown || i == 0)
                continue;
            const QRect a = linux[i].box;
            const QRect b = windows[i].box;
            QVERIFY2(qAbs(a.x() - b.x()) <= kSlack && qAbs(a.width() - b.width()) <= kSlack
                         && screen.contains(b),
                     qPrintable(linux[i].line + u'\n' + windows[i].line));
            for (qsizetype j = 1; j < linux.size(); ++j) {
                if (!linux[j].shown)
                    continue;
                const QRect c = linux[j].box;
                const QRect d = windows[j].box;
                // Within a column, what is above stays above; within a row,
                // what is left stays left.
                const bool column = a.left() <= c.right() && c.left() <= a.right();
                const bool row = a.top() <= c.bottom() && c.top() <= a.bottom();
                const bool same = (column && a.bottom() < c.top()) <= (b.top() < d.top())
                    && (row && a.right() < c.left()) <= (b.left() < d.left());
                QVERIFY2(same, qPrintable(linux[i].line + u'\n' + linux[j].line + u'\n' + windows[i].line
                                          + u'\n' + windows[j].line));
            }
        }
    }

    // The texts of each tab and dialog as Qt for Windows draws them under
    // Wine, read back from its pictures, against the texts and against what
    // Linux's pictures read: every field and list reads its value and every
    // caption and button its text, as on Linux (see drawn_texts.h). A field
    // left blank or showing another value fails; fonts may differ. The
    // pictures stay in build/windows/screenshots/drawn/.
    void drawnTextsReadAsOnLinux()
    {
        QTemporaryDir dir;
        const QString linuxDir = dir.filePath(QStringLiteral("linux"));
        const QString windowsDir = screenshots(QStringLiteral("drawn"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        QCOMPARE(runWithEnvironment(QStringLiteral(VEXLOR_WINDOW_SHOTS_PATH),
                                    {QStringLiteral("--drawn"), linuxDir}, environment)
                     .exitCode,
                 0);
        QDir(windowsDir).removeRecursively();
        const CliRun run = runWithEnvironment(QStringLiteral("wine"),
                                              {windowsShots(), QStringLiteral("--drawn"), windowsDir},
                                              windowEnvironment(), kWineRunDeadlineMs);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        qInfo("The Windows window's tabs and dialogs as drawn under Wine: %s",
              qPrintable(QDir(windowsDir).absolutePath()));

        const QStringList names = QDir(linuxDir).entryList({QStringLiteral("*.txt")});
        QCOMPARE(names.size(), 6); // two tabs, four dialogs
        int fields = 0;
        int misread = 0;
        for (const QString &list : names) {
            const QString name = QFileInfo(list).completeBaseName();
            const Readings linux = readings(linuxDir, name, dir.filePath(QStringLiteral("linux-") + name));
            const Readings windows = readings(windowsDir, name, dir.filePath(QStringLiteral("windows-") + name));
            QVERIFY2(!linux.texts.isEmpty() && linux.read.size() == linux.texts.size(), qPrintable(name));
            QCOMPARE(windows.texts.size(), linux.texts.size());
            QCOMPARE(windows.read.size(), windows.texts.size());
            for (qsizetype i = 0; i < linux.texts.size(); ++i) {
                const DrawnText &text = windows.texts[i];
                QCOMPARE(text.kind + u' ' + text.name + u' ' + text.text,
                         linux.texts[i].kind + u' ' + linux.texts[i].name + u' ' + linux.texts[i].text);
                const QString expected = comparable(text.text);
                const qsizetype onLinux = distance(linux.read[i], expected);
                const qsizetype onWindows = distance(windows.read[i], expected);
                const bool field = text.kind == QLatin1String("field");
                fields += field ? 1 : 0;
                // A value reads as itself, on both platforms; a caption as
                // its text, or no further from it than Linux's reads, give
                // or take a letter in ten.
                if (field ? onLinux > 0 || onWindows > 0 : onWindows > onLinux + expected.size() / 10) {
                    qWarning().noquote() << QStringLiteral("%1: %2 \"%3\" reads \"%4\" under Wine, \"%5\" on Linux")
                                                .arg(name, text.name, text.text, windows.read[i].join(u'|'),
                                                     linux.read[i].join(u'|'));
                    ++misread;
                }
            }
        }
        QCOMPARE(misread, 0); // each named above
        QVERIFY(fields >= 30); // the tabs' fields and the dialogs' lists
    }

    // The pictures of the window as Qt for Windows draws it, to look at
    // beside Linux's (build/windows/screenshots/).
    void picturesOfTheWindow()
    {
        const QString out = screenshots();
        const CliRun run = runWithEnvironment(QStringLiteral("wine"), {windowsShots(), out}, windowEnvironment(),
                                              kWineRunDeadlineMs);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(QFile::exists(out + QStringLiteral("/screenshot-general.png")));
    }

    // The program itself, started as Explorer starts it for a .vxc file (the
    // registered command: the program and the document, blanks and all, as
    // one parameter): its window comes up after the splash with the
    // document open, and it has told the registry that .vxc files open with
    // it.
    void theProgramStartsUnderWine()
    {
        QTemporaryDir dir;
        const QString document = dir.filePath(QStringLiteral("My Bike.vxc"));
        QFile file(document);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1\r\n15.0\r\n");
        file.close();
        QProcess program;
        program.setProcessEnvironment(windowEnvironment());
        program.setWorkingDirectory(qEnvironmentVariable("VEXLOR_WINDOWS_BIN"));
        program.start(QStringLiteral("wine"), {windowsProgram(QStringLiteral("vexlor-adjustor.exe")),
                                               QStringLiteral("Z:") + QDir::toNativeSeparators(document)});
        QVERIFY(program.waitForStarted(kHangMs));
        QTRY_VERIFY_WITH_TIMEOUT(windowShown(kTitle + QStringLiteral(" - ")), kWineRunDeadlineMs);
        QVERIFY(windowShown(QStringLiteral("My Bike.vxc")));
        QTest::qWait(1000); // drawn, for the picture only: no verdict hangs on it
        const QString screen = screenshots(QStringLiteral("screenshot-wine.png"));
        QCOMPARE(QProcess::execute(QStringLiteral("import"), {"-window", "root", "-trim", "+repage", screen}), 0);
        const CliRun query = runWithEnvironment(
            QStringLiteral("wine"),
            {QStringLiteral("reg"), QStringLiteral("query"),
             QStringLiteral("HKCU\\Software\\Classes\\vxc file\\shell\\open\\command")},
            wineEnvironment(), kWineRunDeadlineMs);
        (void)runWithEnvironment(QStringLiteral("wine"),
                                 {QStringLiteral("taskkill"), QStringLiteral("/IM"),
                                  QStringLiteral("vexlor-adjustor.exe"), QStringLiteral("/F")},
                                 wineEnvironment(), kWineRunDeadlineMs);
        program.waitForFinished(kHangMs);
        QVERIFY2(query.out.contains("vexlor-adjustor.exe \"%1\""), query.out.constData());
    }

private:
    static constexpr int kSlack = 10; // pixels a caption's font may make of a column
};

QTEST_GUILESS_MAIN(TestWindowsWindow)
#include "test_windows_window.moc"
