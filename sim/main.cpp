// vexlor-controller-sim: a controller on a pseudo-terminal, for trying the tool
// without hardware and for its tests.

#include "controller_model.h"
#include "emulator.h"

#include "params/parameter_codec.h"
#include "params/parameter_snapshot.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace vexlor;
using namespace vexlor::sim;

namespace {

int usageError(const QString &text)
{
    QTextStream(stderr) << "vexlor-controller-sim: " << text << '\n';
    return 2;
}

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
    const QCommandLineOption paced(QStringLiteral("paced"),
                                   QStringLiteral("Answer at the real 9600-baud wire time."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Software version to report (default 1-35)."),
                                     QStringLiteral("A-B"), QStringLiteral("1-35"));
    const QCommandLineOption fault(
        QStringLiteral("fault"),
        QStringLiteral("Fault to inject: %1.").arg(faultKindNames().join(QStringLiteral(", "))),
        QStringLiteral("KIND"));
    const QCommandLineOption atFrame(QStringLiteral("at-frame"),
                                     QStringLiteral("Protocol index the fault hits (default 0)."),
                                     QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption always(QStringLiteral("always"),
                                    QStringLiteral("Inject the fault every time, not only once."));
    const QCommandLineOption set(QStringLiteral("set"),
                                 QStringLiteral("Start with VALUE held at INDEX (repeatable)."),
                                 QStringLiteral("INDEX=VALUE"));
    parser.addOptions({paced, version, fault, atFrame, always, set});
    parser.process(app);

    quint8 major = 0;
    quint8 minor = 0;
    if (!parseVersion(parser.value(version), &major, &minor))
        return usageError(QStringLiteral("--version wants two numbers 0-255, as in 1-35"));

    FaultPlan plan;
    if (parser.isSet(fault) && !parseFaultKind(parser.value(fault), &plan.kind))
        return usageError(QStringLiteral("unknown fault '%1'").arg(parser.value(fault)));
    bool ok = false;
    plan.atFrame = parser.value(atFrame).toInt(&ok);
    if (!ok || plan.atFrame < 0 || plan.atFrame >= kProtocolItemCount)
        return usageError(QStringLiteral("--at-frame wants an index 0-59"));
    plan.always = parser.isSet(always);

    // The values a new controller holds: what the window sends with its initial state.
    const EncodedSet initial = encodeAll(ParameterSnapshot::initial(), NumberFormat::point());
    if (!initial.ok())
        return usageError(initial.error);
    std::array<quint16, kProtocolItemCount> values = initial.values;
    for (const QString &item : parser.values(set)) {
        const QStringList parts = item.split(u'=');
        bool okIndex = false;
        bool okValue = false;
        const int index = parts.value(0).toInt(&okIndex);
        const uint value = parts.value(1).toUInt(&okValue);
        if (parts.size() != 2 || !okIndex || !okValue || index < 0 || index >= kProtocolItemCount
            || value > 0xFFFF)
            return usageError(QStringLiteral("--set wants INDEX=VALUE, as in 1=300"));
        values[index] = quint16(value);
    }

    Emulator emulator(ControllerModel(values, major, minor, plan), parser.isSet(paced));
    if (!emulator.start())
        return usageError(QStringLiteral("cannot open a pseudo-terminal: %1").arg(emulator.errorText()));

    QTextStream out(stdout);
    out << emulator.devicePath() << Qt::endl;
    QObject::connect(&emulator, &Emulator::note, &app, [&out](const QString &line) {
        out << line << Qt::endl;
    });
    QObject::connect(&emulator, &Emulator::hungUp, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
