// vexlor-bench-write: times a write transaction against the emulator.
//
// Paced, the emulator takes the real wire time of 9600 baud, so the best a
// write can do is the wire-time limit: sixty 9-byte frames, sixty 4-byte
// replies, the 4-byte store command and its 4-byte reply, 10 bits a byte.
// The tool should stay within 3 % of it and spend under 2 % of the wall time
// on the CPU. Unpaced, the sixty frames show the tool's own cost per exchange.
// Paced with the emulator holding each reply as a cable's bridge chip does
// (--latency), the write shows what the chip's latency timer costs: 16 ms,
// the chip's own setting, against 1 ms, what the tool asks the driver for.

#include "params/parameter_codec.h"
#include "port/controller_link.h"
#include "port/qt_serial_port.h"
#include "protocol/reply_window.h"
#include "protocol/transaction_engine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

using namespace vexlor;

namespace {

constexpr double kWireLimitSeconds = (60 * 9 + 60 * 4 + 4 + 4) * 10.0 / 9600.0;

double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds a process has used so far (utime + stime from /proc).
double processCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    return (fields[11].toDouble() + fields[12].toDouble()) / double(::sysconf(_SC_CLK_TCK));
}

struct Measurement {
    bool passed = false;
    double wall = 0;        // start to outcome
    double sixtyFrames = 0; // start to the sixtieth accepted frame
    double cpu = 0;         // this process
    double simCpu = 0;      // the emulator
};

// Runs of one kind: the emulator's arguments and what was measured.
struct Series {
    const char *name;
    QStringList simArgs;
    QList<Measurement> runs;

    [[nodiscard]] double median(double Measurement::*field, bool perWall = false) const
    {
        QList<double> values;
        for (const Measurement &m : runs)
            values << (perWall ? m.*field / m.wall : m.*field);
        std::sort(values.begin(), values.end());
        return values.isEmpty() ? 0.0 : values[values.size() / 2];
    }
};

// One write transaction against a freshly started emulator, then `done`.
class WriteRun : public QObject {
public:
    WriteRun(const QStringList &simArgs, std::function<void(const Measurement &)> done)
        : m_done(std::move(done))
    {
        m_sim.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/vexlor-controller-sim"));
        m_sim.setArguments(simArgs);
        m_sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        connect(&m_sim, &QProcess::readyReadStandardOutput, this, &WriteRun::onSimOutput);
        connect(&m_engine, &TransactionEngine::progress, this, [this](int k) {
            if (k == kProtocolItemCount && m_result.sixtyFrames == 0)
                m_result.sixtyFrames = double(m_clock.nsecsElapsed()) / 1e9;
        });
        connect(&m_engine, &TransactionEngine::finished, this, &WriteRun::onFinished);
        m_sim.start();
    }

private:
    void onSimOutput()
    {
        if (m_started || !m_sim.canReadLine())
            return;
        m_started = true;
        const QString path = QString::fromLocal8Bit(m_sim.readLine()).trimmed();
        if (!m_link.openPort(path)) {
            QTextStream(stderr) << "cannot open " << path << '\n';
            QCoreApplication::exit(2);
            return;
        }
        m_values = encodeAll(ParameterSnapshot::initial(), NumberFormat::point()).values;
        // Let the emulator settle before the clock starts.
        QTimer::singleShot(100, this, [this] {
            m_cpuStart = cpuSeconds();
            m_clock.start();
            (void)m_engine.start(TransactionMode::Write, m_values);
        });
    }

    void onFinished(const TransactionOutcome &outcome)
    {
        m_result.wall = double(m_clock.nsecsElapsed()) / 1e9;
        m_result.cpu = cpuSeconds() - m_cpuStart;
        m_result.passed = outcome.passed;
        m_result.simCpu = processCpuSeconds(m_sim.processId());
        m_link.closePort();
        m_sim.kill();
        m_sim.waitForFinished(2000);
        m_done(m_result);
    }

    QProcess m_sim;
    ControllerLink m_link{new QtSerialPort};
    ReplyTimer m_replyTimer;
    ReplyWindow m_replyWindow{&m_link, &m_replyTimer};
    TransactionEngine m_engine{&m_replyWindow};
    std::array<quint16, kProtocolItemCount> m_values{};
    std::function<void(const Measurement &)> m_done;
    QElapsedTimer m_clock;
    double m_cpuStart = 0;
    bool m_started = false;
    Measurement m_result;
};

void printRun(QTextStream &out, const Series &series, const Measurement &m)
{
    out << series.name << " run " << series.runs.size() << ": ";
    if (series.simArgs.contains(QStringLiteral("--paced"))) {
        out << "wall " << m.wall << " s (" << 100.0 * (m.wall / kWireLimitSeconds - 1.0)
            << " % over the limit), CPU " << 1000.0 * m.cpu << " ms (" << 100.0 * m.cpu / m.wall
            << " % of wall), emulator CPU " << 1000.0 * m.simCpu << " ms";
    } else {
        out << "sixty frames " << 1000.0 * m.sixtyFrames << " ms, whole write " << 1000.0 * m.wall
            << " ms, CPU " << 1000.0 * m.cpu << " ms";
    }
    out << (m.passed ? "" : "  FAILED") << Qt::endl;
}

// Runs every series `runs` times, one write after another; returns the
// number of failed writes (or the code of a run that could not start).
int runAll(QList<Series> &all, int runs, QTextStream &out)
{
    std::unique_ptr<WriteRun> current;
    int failures = 0;
    qsizetype index = 0;
    std::function<void()> next = [&] {
        while (index < all.size() && all[index].runs.size() >= runs)
            ++index;
        if (index == all.size()) {
            QCoreApplication::exit(failures);
            return;
        }
        Series &series = all[index];
        current = std::make_unique<WriteRun>(series.simArgs, [&](const Measurement &m) {
            failures += m.passed ? 0 : 1;
            series.runs.append(m);
            printRun(out, series, m);
            QTimer::singleShot(0, QCoreApplication::instance(), next);
        });
    };
    QTimer::singleShot(0, QCoreApplication::instance(), next);
    const int code = QCoreApplication::exec();
    current.reset();
    return code;
}

// The medians against their targets; true when all were met.
bool printSummary(QTextStream &out, const Series &paced, const Series &unpaced,
                  const Series &chip16, const Series &chip1)
{
    const double wall = paced.median(&Measurement::wall);
    const double over = wall / kWireLimitSeconds - 1.0;
    const double cpuShare = paced.median(&Measurement::cpu, true);
    const double frames = unpaced.median(&Measurement::sixtyFrames);
    out << "\nmedian paced wall " << wall << " s, " << 100.0 * over << " % over the limit (target < 3 %): "
        << (over < 0.03 ? "met" : "MISSED") << '\n'
        << "median CPU " << 100.0 * cpuShare << " % of wall (target < 2 %): "
        << (cpuShare < 0.02 ? "met" : "MISSED") << '\n'
        << "median unpaced sixty frames " << 1000.0 * frames << " ms (target < 30 ms): "
        << (frames < 0.030 ? "met" : "MISSED") << '\n';
    for (const Series *chip : {&chip16, &chip1}) {
        const double chipWall = chip->median(&Measurement::wall);
        out << "median paced wall through a bridge chip with " << chip->simArgs.last()
            << " ms latency: " << chipWall << " s (" << chipWall / kWireLimitSeconds
            << " x the wire time)\n";
    }
    out.flush();
    return over < 0.03 && cpuShare < 0.02 && frames < 0.030;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times write transactions against the emulator."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs of each kind (default 5)."),
                                        QStringLiteral("N"), QStringLiteral("5"));
    parser.addOption(runsOption);
    parser.process(app);
    const int runs = qMax(1, parser.value(runsOption).toInt());

    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(4);
    out << "wire-time limit: " << kWireLimitSeconds << " s (788 bytes at 9600 baud, 10 bits a byte)"
        << Qt::endl;
    out.setRealNumberPrecision(3);
    QList<Series> all = {
        {"paced  ", {QStringLiteral("--paced")}, {}},
        {"unpaced", {}, {}},
        {"chip 16 ms", {QStringLiteral("--paced"), QStringLiteral("--latency"), QStringLiteral("16")}, {}},
        {"chip 1 ms", {QStringLiteral("--paced"), QStringLiteral("--latency"), QStringLiteral("1")}, {}},
    };
    const int code = runAll(all, runs, out);
    const bool met = printSummary(out, all[0], all[1], all[2], all[3]);
    return code != 0 ? 1 : (met ? 0 : 1);
}
