// The latency check (the driver's latency timer) and the sandbox check
// (Flatpak, Snap).

#include "doctor_checks.h"
#include "doctor_text.h"

#include "cables/cable.h"
#include "params/message_input.h"

namespace vexlor {
namespace {

std::optional<int> number(const std::optional<QByteArray> &bytes)
{
    bool ok = false;
    const int value = bytes ? bytes->trimmed().toInt(&ok) : 0;
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The devices a Flatpak sandbox may use: "devices" of its [Context] in
// /.flatpak-info ("all", "dri", ...).
QStringList flatpakDevices(const QByteArray &info)
{
    bool inContext = false;
    for (const QByteArray &raw : info.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            inContext = line == "[Context]";
        else if (inContext && line.startsWith("devices="))
            return QString::fromUtf8(line.mid(8)).split(u';', Qt::SkipEmptyParts);
    }
    return {};
}

QString flatpakName(const SystemView &system, const QByteArray &info)
{
    const QString id = system.environment("FLATPAK_ID");
    if (!id.isEmpty())
        return id;
    for (const QByteArray &line : info.split('\n')) {
        if (line.startsWith("name="))
            return QString::fromUtf8(line.mid(5).trimmed());
    }
    return QStringLiteral("?");
}

} // namespace

CheckResult checkLatency(const DoctorContext &context)
{
    const PortUnderTest &port = context.port;
    if (!port.usb)
        return withoutCablePort(checks::kLatency, port);
    const QString timerFile = port.usb->portFolder + QLatin1String("/latency_timer");
    const std::optional<int> now = number(context.system.readFile(timerFile));
    if (!now) {
        //: %1 the kernel driver
        return finding(checks::kLatency, CheckStatus::Skip,
                       DoctorText::tr("%1 has no latency timer.").arg(port.usb->driver));
    }
    if (*now == 1)
        return finding(checks::kLatency, CheckStatus::Ok, DoctorText::tr("The latency timer is at 1 ms."));
    if (!port.cable || !port.cable->asksLowLatency) {
        return finding(checks::kLatency, CheckStatus::Skip,
                       DoctorText::tr("The latency timer is at %1 ms; the tool asks no other driver than "
                                      "its cable's for low latency.")
                           .arg(*now));
    }
    const std::optional<int> held
        = context.holders.self ? now : context.system.latencyWhileHeld(port.node, timerFile);
    if (!held) {
        return finding(checks::kLatency, CheckStatus::Skip,
                       DoctorText::tr("The latency timer is at %1 ms; what it is while the tool holds the "
                                      "port cannot be tried, as the port does not open (see access).")
                           .arg(*now));
    }
    if (*held == 1) {
        return finding(checks::kLatency, CheckStatus::Ok,
                       DoctorText::tr("The latency timer is at %1 ms, and at 1 ms while the tool holds the "
                                      "port (it asks the driver for low latency).")
                           .arg(*now));
    }
    return finding(
        checks::kLatency, CheckStatus::Warn,
        DoctorText::tr("The latency timer stays at %1 ms while the tool holds the port: every "
                       "reply comes that much later.")
            .arg(*held),
        QStringLiteral("echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer").arg(port.usb->tty));
}

CheckResult checkSandbox(const DoctorContext &context)
{
    const SystemView &system = context.system;
    const std::optional<QByteArray> info = system.readFile(QStringLiteral("/.flatpak-info"));
    if (info || !system.environment("FLATPAK_ID").isEmpty()) {
        const QByteArray bytes = info.value_or(QByteArray());
        const QString app = flatpakName(system, bytes);
        const QString shownApp = inputForMessage(app);
        if (flatpakDevices(bytes).contains(QLatin1String("all"))) {
            //: %1 the Flatpak application's id
            return finding(
                checks::kSandbox, CheckStatus::Ok,
                DoctorText::tr("The tool runs in the Flatpak sandbox of %1, which may use every device.")
                    .arg(shownApp));
        }
        return finding(
            checks::kSandbox, CheckStatus::Warn,
            DoctorText::tr("The tool runs in the Flatpak sandbox of %1, which keeps serial devices out.")
                .arg(shownApp),
            QStringLiteral("flatpak override --user --device=all %1").arg(fixes::shellWord(app)));
    }
    const QString snap = system.environment("SNAP_NAME");
    if (!snap.isEmpty()) {
        if (!context.port.node.isEmpty() && context.openError == 0) {
            //: %1 the snap's name, %2 the serial device
            return finding(checks::kSandbox, CheckStatus::Ok,
                           DoctorText::tr("The tool runs in the snap %1, which may open %2.")
                               .arg(inputForMessage(snap), context.port.shown));
        }
        return finding(
            checks::kSandbox, CheckStatus::Warn,
            DoctorText::tr("The tool runs in the snap %1, which keeps USB serial devices out unless "
                           "they are granted to it.")
                .arg(inputForMessage(snap)),
            QStringLiteral("sudo snap connect %1:raw-usb").arg(fixes::shellWord(snap)));
    }
    return finding(checks::kSandbox, CheckStatus::Ok,
                   DoctorText::tr("The tool runs outside Flatpak and Snap."));
}

} // namespace vexlor
