// Programs that take USB serial ports for their own devices: ModemManager
// (modems) and brltty (braille displays).

#include "doctor_checks.h"
#include "doctor_text.h"
#include "udev_rules.h"

#include <QFileInfo>

namespace vexlor {
namespace {

// The rules (with their files) that apply to the cable and satisfy `wanted`.
struct RuleHit {
    udev::RulesFile file;
    QList<udev::Rule> rules;
};

template <typename Wanted>
QList<RuleHit> rulesFor(const SystemView &system, const facts::UsbSerialPort &usb, Wanted wanted)
{
    QList<RuleHit> hits;
    for (const udev::RulesFile &file : udev::effectiveRulesFiles(system)) {
        RuleHit hit{file, {}};
        for (const udev::Rule &rule : udev::rules(system, file.path)) {
            if (wanted(file, rule) && udev::appliesTo(rule, usb))
                hit.rules << rule;
        }
        if (!hit.rules.isEmpty())
            hits << hit;
    }
    return hits;
}

QString usbIdOf(const facts::UsbSerialPort &usb)
{
    return facts::usbId(usb.vendorId, usb.productId);
}

QString ignoreCommand(const PortUnderTest &port)
{
    const facts::UsbSerialPort &usb = *port.usb;
    return QStringLiteral("printf '%s\\n' 'ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\", "
                          "ENV{ID_MM_DEVICE_IGNORE}=\"1\"' | sudo tee "
                          "/etc/udev/rules.d/71-vexlor-modemmanager.rules >/dev/null && sudo udevadm "
                          "control --reload && %3")
        .arg(QStringLiteral("%1").arg(usb.vendorId, 4, 16, QLatin1Char('0')),
             QStringLiteral("%1").arg(usb.productId, 4, 16, QLatin1Char('0')), fixes::reapplyRules(port));
}

// Comments the claiming rules out: in place when the file is the
// administrator's (/etc), else in a copy in /etc that hides the package's.
QString disableCommand(const QList<RuleHit> &hits)
{
    QStringList commands;
    for (const RuleHit &hit : hits) {
        QString edits;
        for (const udev::Rule &rule : hit.rules)
            edits += QStringLiteral(" -e '%1,%2s/^/#/'").arg(rule.firstLine).arg(rule.lastLine);
        if (hit.file.path.startsWith(QLatin1String("/etc/"))) {
            commands << QStringLiteral("sudo sed -i%1 %2").arg(edits, fixes::shellWord(hit.file.path));
        } else {
            commands << QStringLiteral("sed%1 %2 | sudo tee %3 >/dev/null")
                            .arg(edits, fixes::shellWord(hit.file.path),
                                 fixes::shellWord(QStringLiteral("/etc/udev/rules.d/") + hit.file.name));
        }
    }
    commands << QStringLiteral("sudo udevadm control --reload");
    return commands.join(QLatin1String(" && "));
}

bool brlttyInstalled(const SystemView &system)
{
    for (const char *path : {"/usr/bin/brltty", "/bin/brltty", "/usr/sbin/brltty", "/sbin/brltty"}) {
        if (system.status(QLatin1String(path)))
            return true;
    }
    return false;
}

} // namespace

CheckResult checkModemManager(const DoctorContext &context)
{
    if (!facts::processRuns(context.system, QStringLiteral("ModemManager")))
        return finding(checks::kModemManager, CheckStatus::Ok,
                       DoctorText::tr("ModemManager is not running."));
    const PortUnderTest &port = context.port;
    if (!port.usb)
        return withoutCablePort(checks::kModemManager, port);
    const QList<RuleHit> ignoring
        = rulesFor(context.system, *port.usb, [](const auto &, const udev::Rule &rule) {
              return udev::assigns(rule, QStringLiteral("ID_MM_DEVICE_IGNORE"), QStringLiteral("1"));
          });
    if (!ignoring.isEmpty()) {
        //: %1 the USB vendor:product, %2 the rules file that says so
        return finding(checks::kModemManager, CheckStatus::Ok,
                       DoctorText::tr("ModemManager is running and is told to ignore %1 (%2).")
                           .arg(usbIdOf(*port.usb), ignoring.first().file.path));
    }
    //: %1 the serial device, %2 its USB vendor:product
    return finding(checks::kModemManager, CheckStatus::Warn,
                   DoctorText::tr("ModemManager is running and may probe %1 (%2) for a modem, which "
                                  "garbles the controller's replies.")
                       .arg(port.shown, usbIdOf(*port.usb)),
                   ignoreCommand(port));
}

CheckResult checkBrltty(const DoctorContext &context)
{
    if (!brlttyInstalled(context.system))
        return finding(checks::kBrltty, CheckStatus::Ok, DoctorText::tr("brltty is not installed."));
    const PortUnderTest &port = context.port;
    if (!port.usb)
        return withoutCablePort(checks::kBrltty, port);
    const QList<RuleHit> claiming
        = rulesFor(context.system, *port.usb, [](const udev::RulesFile &file, const auto &) {
              return file.name.contains(QLatin1String("brltty"));
          });
    if (claiming.isEmpty()) {
        //: %1 the USB vendor:product
        return finding(
            checks::kBrltty, CheckStatus::Ok,
            DoctorText::tr("brltty is installed; its udev rules do not claim %1.").arg(usbIdOf(*port.usb)));
    }
    //: %1 the rules file, %2 a line number, %3 the USB vendor:product
    return finding(
        checks::kBrltty, CheckStatus::Warn,
        DoctorText::tr("brltty is installed and its udev rule (%1, line %2) claims %3 devices as "
                       "braille displays, taking the cable's port.")
            .arg(claiming.first().file.path, QString::number(claiming.first().rules.first().firstLine),
                 usbIdOf(*port.usb)),
        //: %1 a command
        DoctorText::tr("%1, then unplug the cable and plug it in again.").arg(disableCommand(claiming)));
}

} // namespace vexlor
