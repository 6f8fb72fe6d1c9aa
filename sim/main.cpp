// vexlor-controller-sim: a controller on a pseudo-terminal, for trying the tool
// without hardware and for its tests.

#include "command_input.h"
#include "controller_model.h"
#include "emulator.h"

#include "params/parameter_codec.h"
#include "params/parameter_snapshot.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <optional>

using namespace vexlor;
using namespace vexlor::sim;

namespace {

// Everything the command line sets.
struct SimSettings {
    std::array<quint16, kProtocolItemCount> values{};
    quint8 versionMajor = 1;
    quint8 versionMinor = 35;
    FaultPlan fault;
    EmulatorTiming timing;
};

struct SimOptions {
    QCommandLineOption paced{QStringLiteral("paced"),
                             QStringLiteral("Answer at the real 9600-baud wire time.")};
    QCommandLineOption latency{
        QStringLiteral("latency"),
        QStringLiteral("Hold each reply until MS after its first byte, as the cable's bridge chip "
                       "does for its latency timer (16 by default on a real cable, 1 with low "
                       "latency; default 0)."),
        QStringLiteral("MS"), QStringLiteral("0")};
    QCommandLineOption version{QStringLiteral("version"),
                               QStringLiteral("Software version to report (default 1-35)."),
                               QStringLiteral("A-B"), QStringLiteral("1-35")};
    QCommandLineOption fault{
        QStringLiteral("fault"),
        QStringLiteral("Fault to inject: %1.").arg(faultKindNames().join(QStringLiteral(", "))),
        QStringLiteral("KIND")};
    QCommandLineOption atFrame{QStringLiteral("at-frame"),
                               QStringLiteral("Protocol index the fault hits (default 0)."),
                               QStringLiteral("N"), QStringLiteral("0")};
    QCommandLineOption always{QStringLiteral("always"),
                              QStringLiteral("Inject the fault every time, not only once.")};
    QCommandLineOption passes{QStringLiteral("passes"),
                              QStringLiteral("Let the frame pass N times before the fault hits it "
                                             "(1: a write's backup read goes through; default 0)."),
                              QStringLiteral("N"), QStringLiteral("0")};
    QCommandLineOption set{QStringLiteral("set"),
                           QStringLiteral("Start with VALUE held at INDEX (repeatable)."),
                           QStringLiteral("INDEX=VALUE")};
    QCommandLineOption tellUnanswered{
        QStringLiteral("tell-unanswered"),
        QStringLiteral("Print \"unanswered N\" for every command that gets no whole reply in the "
                       "tool's reply window (none, short or late; N: the bytes sent, printed after "
                       "them), and leave late replies out: for tests that close the tool's reply "
                       "window when told, not by the clock.")};
    QCommandLineOption commands{
        QStringLiteral("commands"),
        QStringLiteral("Take commands on stdin, one a line: off (the controller stops answering, the "
                       "port stays), on (another bike's controller answers, holding the starting "
                       "values), unplug (the port goes away), plug (a new port, at --link).")};
    QCommandLineOption link{QStringLiteral("link"),
                            QStringLiteral("Keep a link at PATH to the device while it is plugged in, "
                                           "as udev does for a cable; point the tool at PATH."),
                            QStringLiteral("PATH")};
    QCommandLineOption record{QStringLiteral("record"),
                              QStringLiteral("Append every byte the tool sends to FILE."),
                              QStringLiteral("FILE")};
};

// "1-35" into its two bytes.
bool parseVersion(const QString &text, quint8 *major, quint8 *minor)
{
    const QStringList parts = text.split(u'-');
    if (parts.size() != 2)
        return false;
    bool okMajor = false;
    bool okMinor = false;
    const uint a = parts[0].toUInt(&okMajor);
    const uint b = parts[1].toUInt(&okMinor);
    if (!okMajor || !okMinor || a > 255 || b > 255)
        return false;
    *major = quint8(a);
    *minor = quint8(b);
    return true;
}

// Each parser returns an error text, empty when its options are good.
QString parseFault(const QCommandLineParser &parser, const SimOptions &o, FaultPlan *plan)
{
    if (parser.isSet(o.fault) && !parseFaultKind(parser.value(o.fault), &plan->kind))
        return QStringLiteral("unknown fault '%1'").arg(parser.value(o.fault));
    bool ok = false;
    plan->atFrame = parser.value(o.atFrame).toInt(&ok);
    if (!ok || plan->atFrame < 0 || plan->atFrame >= kProtocolItemCount)
        return QStringLiteral("--at-frame wants an index 0-59");
    plan->always = parser.isSet(o.always);
    plan->passes = parser.value(o.passes).toInt(&ok);
    if (!ok || plan->passes < 0)
        return QStringLiteral("--passes wants a count 0 or more");
    return {};
}

// The values a new controller holds (what the window sends with its initial
// state), with --set applied.
QString parseValues(const QCommandLineParser &parser, const SimOptions &o,
                    std::array<quint16, kProtocolItemCount> *values)
{
    const EncodedSet initial = encodeAll(ParameterSnapshot::initial(), NumberFormat::point());
    if (!initial.ok())
        return initial.error;
    *values = initial.values;
    for (const QString &item : parser.values(o.set)) {
        const QStringList parts = item.split(u'=');
        bool okIndex = false;
        bool okValue = false;
        const int index = parts.value(0).toInt(&okIndex);
        const uint value = parts.value(1).toUInt(&okValue);
        if (parts.size() != 2 || !okIndex || !okValue || index < 0 || index >= kProtocolItemCount
            || value > 0xFFFF)
            return QStringLiteral("--set wants INDEX=VALUE, as in 1=300");
        (*values)[index] = quint16(value);
    }
    return {};
}

QString parseTiming(const QCommandLineParser &parser, const SimOptions &o, EmulatorTiming *timing)
{
    timing->paced = parser.isSet(o.paced);
    bool ok = false;
    timing->latencyMs = parser.value(o.latency).toInt(&ok);
    if (!ok || timing->latencyMs < 0 || timing->latencyMs > 255)
        return QStringLiteral("--latency wants milliseconds 0-255, as a latency timer holds");
    return {};
}

QString parseSettings(const QCommandLineParser &parser, const SimOptions &o, SimSettings *settings)
{
    if (!parseVersion(parser.value(o.version), &settings->versionMajor, &settings->versionMinor))
        return QStringLiteral("--version wants two numbers 0-255, as in 1-35");
    for (const QString &error : {parseFault(parser, o, &settings->fault),
                                 parseValues(parser, o, &settings->values),
                                 parseTiming(parser, o, &settings->timing)}) {
        if (!error.isEmpty())
            return error;
    }
    return {};
}

// The bench's commands on stdin (--commands), each to the emulator.
void obeyCommands(Emulator &emulator, QCoreApplication &app)
{
    auto *input = new CommandInput(&app);
    QObject::connect(input, &CommandInput::command, &emulator, [&emulator](const QString &word) {
        if (word == u"off")
            emulator.switchOff();
        else if (word == u"on")
            emulator.switchOn();
        else if (word == u"unplug")
            emulator.unplug();
        else if (word != u"plug" || !emulator.plug())
            QTextStream(stderr) << "vexlor-controller-sim: cannot " << word << '\n';
    });
}

int usageError(const QString &text)
{
    QTextStream(stderr) << "vexlor-controller-sim: " << text << '\n';
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexlor-controller-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.35"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Emulates the motor controller on a pseudo-terminal. Prints the device path on the "
        "first line, then one line per stored value (\"write INDEX VALUE\") and per store "
        "command (\"store\"). Point the tool at it with VEXLOR_PORT=<path>."));
    parser.addHelpOption();
    const SimOptions options;
    parser.addOptions({options.paced, options.latency, options.version, options.fault,
                       options.atFrame, options.always, options.passes, options.set,
                       options.tellUnanswered, options.commands, options.link, options.record});
    parser.process(app);
    SimSettings settings;
    if (const QString error = parseSettings(parser, options, &settings); !error.isEmpty())
        return usageError(error);

    Emulator emulator(ControllerModel(settings.values, settings.versionMajor,
                                      settings.versionMinor, settings.fault),
                      settings.timing);
    if (parser.isSet(options.tellUnanswered))
        emulator.tellUnanswered();
    if (parser.isSet(options.link))
        emulator.linkDeviceAt(parser.value(options.link));
    if (!emulator.start())
        return usageError(QStringLiteral("cannot open a pseudo-terminal: %1").arg(emulator.errorText()));

    QFile record(parser.value(options.record));
    if (parser.isSet(options.record)) {
        if (!record.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return usageError(QStringLiteral("cannot write %1").arg(record.fileName()));
        QObject::connect(&emulator, &Emulator::received, &app,
                         [&record](const QByteArray &bytes) { (void)record.write(bytes); });
    }

    QTextStream out(stdout);
    out << emulator.devicePath() << Qt::endl;
    QObject::connect(&emulator, &Emulator::note, &app,
                     [&out](const QString &line) { out << line << Qt::endl; });
    QObject::connect(&emulator, &Emulator::hungUp, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (parser.isSet(options.commands))
        obeyCommands(emulator, app);
    return app.exec();
}
