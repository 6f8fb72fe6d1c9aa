// vexlor-bench-write: times a write transaction against the emulator.
//
// Paced, the emulator takes the real wire time of 9600 baud, so the best a
// write can do is the wire-time limit: sixty 9-byte frames, sixty 4-byte
// replies, the 4-byte store command and its 4-byte reply, 10 bits a byte.
// The tool should stay within 3 % of it and spend under 2 % of the wall time
// on the CPU. Unpaced, the sixty frames show the tool's own cost per exchange.

#include "link/controller_link.h"
#include "link/qt_serial_port.h"
#include "params/parameter_codec.h"
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
};

// One write transaction against a freshly started emulator, then `next`.
class WriteRun : public QObject {
public:
    WriteRun(bool paced, std::function<void(const Measurement &, double simCpu)> done)
        : m_done(std::move(done))
    {
        m_sim.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/vexlor-controller-sim"));
        m_sim.setArguments(paced ? QStringList{QStringLiteral("--paced")} : QStringList{});
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
        const double simCpu = processCpuSeconds(m_sim.processId());
        m_link.closePort();
        m_sim.kill();
        m_sim.waitForFinished(2000);
        m_done(m_result, simCpu);
    }

    QProcess m_sim;
    ControllerLink m_link{new QtSerialPort};
    ReplyTimer m_replyTimer;
    ReplyWindow m_replyWindow{&m_link, &m_replyTimer};
    TransactionEngine m_engine{&m_replyWindow};
    std::array<quint16, kProtocolItemCount> m_values{};
    std::function<void(const Measurement &, double)> m_done;
    QElapsedTimer m_clock;
    double m_cpuStart = 0;
    bool m_started = false;
    Measurement m_result;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times write transactions against the emulator."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Paced runs (default 5)."),
                                        QStringLiteral("N"), QStringLiteral("5"));
    parser.addOption(runsOption);
    parser.process(app);
    const int runs = qMax(1, parser.value(runsOption).toInt());

    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    QList<Measurement> paced;
    QList<Measurement> unpaced;
    std::unique_ptr<WriteRun> current;
    int failures = 0;

    std::function<void()> next = [&] {
        const bool pacedRun = paced.size() < runs;
        if (!pacedRun && unpaced.size() >= runs) {
            QCoreApplication::exit(failures);
            return;
        }
        current = std::make_unique<WriteRun>(pacedRun, [&, pacedRun](const Measurement &m, double simCpu) {
            if (!m.passed)
                ++failures;
            (pacedRun ? paced : unpaced).append(m);
            out.setRealNumberPrecision(3);
            if (pacedRun) {
                out << "paced   run " << paced.size() << ": wall " << m.wall << " s ("
                    << 100.0 * (m.wall / kWireLimitSeconds - 1.0) << " % over the limit), CPU "
                    << 1000.0 * m.cpu << " ms (" << 100.0 * m.cpu / m.wall << " % of wall), emulator CPU "
                    << 1000.0 * simCpu << " ms" << (m.passed ? "" : "  FAILED") << Qt::endl;
            } else {
                out << "unpaced run " << unpaced.size() << ": sixty frames " << 1000.0 * m.sixtyFrames
                    << " ms, whole write " << 1000.0 * m.wall << " ms, CPU " << 1000.0 * m.cpu << " ms"
                    << (m.passed ? "" : "  FAILED") << Qt::endl;
            }
            QTimer::singleShot(0, &app, next);
        });
    };

    out.setRealNumberPrecision(4);
    out << "wire-time limit: " << kWireLimitSeconds << " s (788 bytes at 9600 baud, 10 bits a byte)"
        << Qt::endl;
    QTimer::singleShot(0, &app, next);
    const int code = app.exec();
    current.reset();

    auto median = [](QList<double> v) {
        std::sort(v.begin(), v.end());
        return v.isEmpty() ? 0.0 : v[v.size() / 2];
    };
    QList<double> walls, cpuShares, sixty;
    for (const Measurement &m : paced) {
        walls << m.wall;
        cpuShares << m.cpu / m.wall;
    }
    for (const Measurement &m : unpaced)
        sixty << m.sixtyFrames;
    const double wall = median(walls);
    const double over = wall / kWireLimitSeconds - 1.0;
    const double cpuShare = median(cpuShares);
    const double frames = median(sixty);
    out.setRealNumberPrecision(3);
    out << "\nmedian paced wall " << wall << " s, " << 100.0 * over << " % over the limit (target < 3 %): "
        << (over < 0.03 ? "met" : "MISSED") << '\n'
        << "median CPU " << 100.0 * cpuShare << " % of wall (target < 2 %): "
        << (cpuShare < 0.02 ? "met" : "MISSED") << '\n'
        << "median unpaced sixty frames " << 1000.0 * frames << " ms (target < 30 ms): "
        << (frames < 0.030 ? "met" : "MISSED") << Qt::endl;
    const bool met = over < 0.03 && cpuShare < 0.02 && frames < 0.030;
    return code != 0 ? 1 : (met ? 0 : 1);
}
