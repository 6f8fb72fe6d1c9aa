// vexlor-bench-guarded-write: times a write with backup and verify against
// the paced emulator.
//
// Paced, the emulator takes the real wire time of 9600 baud. A guarded write
// is three passes of sixty frames and the store: the backup read and the
// read-back (sixty 9-byte frames and 4-byte replies each) and the write
// (the same plus the 4-byte store command and its reply), 2348 bytes, 2.446 s
// at 10 bits a byte. It should take at most 3.1 times the wire-time limit of
// one plain write (788 bytes, 0.821 s): 2.545 s, the backup file included.

#include "wire_time.h"

#include "cables/port_discovery.h"
#include "params/parameter_codec.h"
#include "port/qt_serial_port.h"
#include "session/guarded_write.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <sys/resource.h>

using namespace vexlor;

namespace {

using namespace vexlor::bench;

constexpr double kTargetFactor = 3.1;

double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The emulator's pseudo-terminal has no bridge line to drive.
class NoBridgeLines : public BridgeLineProvider {
public:
    BridgeLine *bridgeLineFor(const QString &) override { return nullptr; }
};

struct Measurement {
    bool passed = false;
    double wall = 0; // start to outcome
    double cpu = 0;  // this process
};

// One guarded write (backup, write, verify) against a freshly started
// paced emulator, through the session as the window and the CLI use it.
class GuardedRun : public QObject {
public:
    explicit GuardedRun(std::function<void(const Measurement &)> done) : m_done(std::move(done))
    {
        m_sim.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/vexlor-controller-sim"));
        m_sim.setArguments({QStringLiteral("--paced")});
        m_sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        connect(&m_sim, &QProcess::readyReadStandardOutput, this, &GuardedRun::onSimOutput);
        m_sim.start();
    }
    ~GuardedRun() override
    {
        m_write.reset();
        m_session.reset();
        m_sim.kill();
        m_sim.waitForFinished(2000);
    }

private:
    void onSimOutput()
    {
        if (m_session || !m_sim.canReadLine())
            return;
        const QString path = QString::fromLocal8Bit(m_sim.readLine()).trimmed();
        m_session = std::make_unique<ControllerSession>(std::make_unique<QtSerialPort>(), m_lister,
                                                        m_bridges, path);
        m_write = std::make_unique<GuardedWrite>(*m_session, m_backups, NumberFormat::point());
        connect(m_write.get(), &GuardedWrite::finished, this, &GuardedRun::onFinished);
        connect(m_session.get(), &ControllerSession::startUpFinished, this, [this](DeviceState state) {
            if (state != DeviceState::Connected) {
                QTextStream(stderr) << "cannot open the emulator's port\n";
                QCoreApplication::exit(2);
                return;
            }
            // Let the emulator settle before the clock starts.
            QTimer::singleShot(100, this, &GuardedRun::startWrite);
        });
        m_session->startUp();
    }

    void startWrite()
    {
        const ParameterSnapshot window = ParameterSnapshot::initial();
        const EncodedSet set = encodeAll(window, NumberFormat::point());
        m_cpuStart = cpuSeconds();
        m_clock.start();
        (void)m_write->start(window, set.values, WriteSafety{true, true});
    }

    void onFinished(const GuardedWriteOutcome &outcome)
    {
        Measurement m;
        m.wall = double(m_clock.nsecsElapsed()) / 1e9;
        m.cpu = cpuSeconds() - m_cpuStart;
        m.passed = outcome.outcome.passed && outcome.verified && !outcome.backupPath.isEmpty();
        QTimer::singleShot(0, this, [this, m] { m_done(m); });
    }

    QProcess m_sim;
    SystemPortLister m_lister;
    NoBridgeLines m_bridges;
    QTemporaryDir m_folder;
    BackupStore m_backups{m_folder.path()};
    std::unique_ptr<ControllerSession> m_session;
    std::unique_ptr<GuardedWrite> m_write;
    std::function<void(const Measurement &)> m_done;
    QElapsedTimer m_clock;
    double m_cpuStart = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times writes with backup and verify against the paced emulator."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs (default 5)."),
                                        QStringLiteral("N"), QStringLiteral("5"));
    parser.addOption(runsOption);
    parser.process(app);
    const int runs = qMax(1, parser.value(runsOption).toInt());

    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(3);
    out << "wire-time limit of one write: " << kPlainWriteLimit << " s; target " << kTargetFactor
        << " x that: " << kTargetFactor * kPlainWriteLimit << " s; three passes and the store on the wire: "
        << kGuardedWireTime << " s" << Qt::endl;

    QList<Measurement> done;
    std::unique_ptr<GuardedRun> current;
    std::function<void()> next = [&] {
        if (done.size() >= runs) {
            QCoreApplication::exit(0);
            return;
        }
        current = std::make_unique<GuardedRun>([&](const Measurement &m) {
            done.append(m);
            out << "run " << done.size() << ": wall " << m.wall << " s (" << m.wall / kPlainWriteLimit
                << " x the limit of one write), CPU " << 1000.0 * m.cpu << " ms"
                << (m.passed ? "" : "  FAILED") << Qt::endl;
            QTimer::singleShot(0, &app, next);
        });
    };
    QTimer::singleShot(0, &app, next);
    const int code = app.exec();
    current.reset();

    QList<double> walls;
    bool allPassed = true;
    for (const Measurement &m : done) {
        walls << m.wall;
        allPassed = allPassed && m.passed;
    }
    std::sort(walls.begin(), walls.end());
    const double median = walls.isEmpty() ? 0.0 : walls[walls.size() / 2];
    const double factor = median / kPlainWriteLimit;
    out << "\nmedian wall " << median << " s, " << factor << " x the wire-time limit of one write (target <= "
        << kTargetFactor << "): " << (factor <= kTargetFactor ? "met" : "MISSED") << Qt::endl;
    return code != 0 || !allPassed ? 1 : (factor <= kTargetFactor ? 0 : 1);
}
