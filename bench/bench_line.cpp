// vexlor-bench-line: bikes per hour through the production line
// (vexlor-cli write FILE --each) against the paced emulator.
//
// The line's whole cycle counts: noticing the bike's controller, the guarded
// write at the real wire time (2348 bytes, 2.446 s at 9600 baud: the wire's
// limit, 1472 bikes an hour), the backup, the record in the register, the
// bike's line, and noticing that the controller went away. Only the
// operator's hands are left out: from the line asking for the next bike
// until the bench switches the next controller on (a pause of 0 to 100 ms,
// varied so that it falls anywhere between the line's asks, as a person's
// seconds would). The line must reach 90 % of the wire's limit.

#include "wire_time.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <csignal>

namespace {

using namespace vexlor::bench;

constexpr double kTargetShare = 0.9;
// The operator's pauses fall evenly over the line's asks of an absent
// controller: one every reply window (100 ms) and a little.
constexpr int kAskPeriodMs = 101;

// The bench: the emulator, the line, and the operator between them.
class LineBench : public QObject {
public:
    LineBench(int bikes, QTextStream &out) : m_bikes(bikes), m_out(out)
    {
        const QString folder = QCoreApplication::applicationDirPath();
        m_sim.setProgram(folder + QStringLiteral("/vexlor-controller-sim"));
        m_sim.setArguments({QStringLiteral("--paced"), QStringLiteral("--commands")});
        m_sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_cli.setProgram(folder + QStringLiteral("/vexlor-cli"));
        connect(&m_sim, &QProcess::readyReadStandardOutput, this, &LineBench::onSimOutput);
        connect(&m_cli, &QProcess::readyReadStandardOutput, this, &LineBench::onBikeLine);
        connect(&m_cli, &QProcess::readyReadStandardError, this, &LineBench::onPrompt);
        connect(&m_cli, &QProcess::finished, this, &LineBench::onLineEnded);
        m_pause.setSingleShot(true);
        m_pause.setTimerType(Qt::PreciseTimer);
        connect(&m_pause, &QTimer::timeout, this, &LineBench::switchOn);
        m_sim.start();
    }
    ~LineBench() override
    {
        m_cli.kill();
        m_cli.waitForFinished(2000);
        m_sim.kill();
        m_sim.waitForFinished(2000);
    }

    [[nodiscard]] const QList<double> &cycles() const { return m_cycles; }
    [[nodiscard]] bool passed() const { return m_passed; }

private:
    void onSimOutput()
    {
        if (m_cli.state() != QProcess::NotRunning || !m_sim.canReadLine())
            return;
        const QString port = QString::fromLocal8Bit(m_sim.readLine()).trimmed();
        QFile file(m_folder.filePath(QStringLiteral("bike.vxc")));
        (void)file.open(QIODevice::WriteOnly);
        (void)file.write("1\r\n15.0\r\n");
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        environment.insert(QStringLiteral("VEXLOR_PORT"), port);
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_folder.path());
        environment.remove(QStringLiteral("VEXLOR_REPLY_WINDOW_MS"));
        m_cli.setProcessEnvironment(environment);
        m_cli.setArguments({QStringLiteral("write"), file.fileName(), QStringLiteral("--each")});
        m_cli.start();
    }

    // "Bike N: connect its controller": the operator connects the next one.
    void onPrompt()
    {
        m_prompts += m_cli.readAllStandardError();
        for (qsizetype end = m_prompts.indexOf('\n'); end >= 0; end = m_prompts.indexOf('\n')) {
            const QByteArray line = m_prompts.left(end);
            m_prompts.remove(0, end + 1);
            if (!line.contains(": connect its controller"))
                continue;
            if (m_cycles.isEmpty() && !m_clock.isValid()) {
                m_clock.start(); // the first controller is there from the start
                m_cycleStart = 0;
                continue;
            }
            m_departure = m_clock.nsecsElapsed() - m_offAt; // noticing the controller gone
            m_pause.start(int((m_cycles.size() * 47) % kAskPeriodMs));
        }
    }

    void switchOn()
    {
        m_sim.write("on\n");
        m_cycleStart = m_clock.nsecsElapsed();
    }

    // One bike's line: its cycle is over but for noticing it go.
    void onBikeLine()
    {
        while (m_cli.canReadLine()) {
            const QByteArray line = m_cli.readLine();
            if (!line.contains('\t'))
                continue;
            m_passed = m_passed && line.contains("\tdone\t");
            const qint64 arrivalToLine = m_clock.nsecsElapsed() - m_cycleStart;
            m_cycles << double(m_departure + arrivalToLine) / 1e9;
            m_out << "bike " << m_cycles.size() << ": " << m_cycles.last() << " s (the last one noticed gone in "
                  << double(m_departure) / 1e6 << " ms; from switched on to its line " << double(arrivalToLine) / 1e9
                  << " s)" << Qt::endl;
            m_departure = 0;
            if (m_cycles.size() >= m_bikes) {
                ::kill(pid_t(m_cli.processId()), SIGINT);
                return;
            }
            m_sim.write("off\n");
            m_offAt = m_clock.nsecsElapsed();
        }
    }

    void onLineEnded(int exitCode)
    {
        m_passed = m_passed && exitCode == 0 && m_cycles.size() == m_bikes;
        QCoreApplication::exit(0);
    }

    int m_bikes;
    QTextStream &m_out;
    QTemporaryDir m_folder;
    QProcess m_sim;
    QProcess m_cli;
    QTimer m_pause;
    QByteArray m_prompts;
    QElapsedTimer m_clock;
    qint64 m_cycleStart = 0;
    qint64 m_offAt = 0;
    qint64 m_departure = 0; // the bike before noticed gone
    QList<double> m_cycles;
    bool m_passed = true;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times bikes through the production line against the paced emulator."));
    parser.addHelpOption();
    const QCommandLineOption bikesOption(QStringLiteral("bikes"), QStringLiteral("Bikes (default 10)."),
                                         QStringLiteral("N"), QStringLiteral("10"));
    parser.addOption(bikesOption);
    parser.process(app);
    const int bikes = qMax(1, parser.value(bikesOption).toInt());

    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(3);
    const double limit = 3600.0 / kGuardedWireTime;
    out << "wire time of a guarded write: " << kGuardedWireTime << " s, so at most " << limit
        << " bikes an hour; target " << int(kTargetShare * 100) << " % of that" << Qt::endl;

    LineBench bench(bikes, out);
    (void)app.exec();

    double total = 0;
    for (double cycle : bench.cycles())
        total += cycle;
    const double mean = bench.cycles().isEmpty() ? 0.0 : total / double(bench.cycles().size());
    const double perHour = mean > 0 ? 3600.0 / mean : 0.0;
    const double share = perHour / limit;
    out << "\nmean cycle " << mean << " s: " << perHour << " bikes an hour, " << 100.0 * share
        << " % of the wire's limit (target >= " << int(kTargetShare * 100) << " %): "
        << (share >= kTargetShare ? "met" : "MISSED") << (bench.passed() ? "" : "; a bike FAILED")
        << Qt::endl;
    return bench.passed() && share >= kTargetShare ? 0 : 1;
}
