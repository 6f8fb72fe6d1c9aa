// The busy check: other processes that hold the port open.

#include "doctor_checks.h"
#include "doctor_text.h"

#include <QStringList>

#include <cerrno>

namespace vexlor {

CheckResult checkBusy(const DoctorContext &context)
{
    const PortUnderTest &port = context.port;
    if (port.node.isEmpty())
        return withoutCablePort(checks::kBusy, port);
    // The program at a pseudo-terminal's other end may hold it open as well;
    // only one that keeps it for itself is in the way.
    if (port.node.startsWith(QLatin1String("/dev/pts/")) && context.openError != EBUSY) {
        return finding(checks::kBusy, CheckStatus::Skip,
                       DoctorText::tr("%1 is a pseudo-terminal: the program at its other end holds it open.")
                           .arg(port.shown));
    }
    const facts::Holders &holders = context.holders;
    if (!holders.others.isEmpty()) {
        QStringList ids;
        for (const facts::Process &process : holders.others)
            ids << QString::number(process.pid);
        const QString names = holderNames(holders);
        //: %1 the serial device, %2 the programs with their process ids
        return finding(checks::kBusy, CheckStatus::Fail,
                       DoctorText::tr("%1 is held open by %2.").arg(port.shown, names),
                       //: %1 the programs, %2 the command that ends them
                       DoctorText::tr("Close %1, or end it: %2").arg(names, QStringLiteral("kill ") + ids.join(u' ')));
    }
    if (context.openError == EBUSY) {
        // Held for itself (exclusive use) by a process whose open files are
        // not ours to see.
        return finding(checks::kBusy, CheckStatus::Fail,
                       DoctorText::tr("Another user's process holds %1 for itself.").arg(port.shown),
                       //: %1 a command that names the process
                       DoctorText::tr("Find it with %1 and close it.")
                           .arg(QStringLiteral("sudo fuser -v ") + fixes::shellWord(port.node)));
    }
    if (holders.unseen > 0) {
        //: %1 the serial device, %2 a number of processes
        return finding(checks::kBusy, CheckStatus::Ok,
                       DoctorText::tr("No other process of yours holds %1 open (the open files of %2 "
                                      "processes of other users cannot be seen).")
                           .arg(port.shown, QString::number(holders.unseen)));
    }
    return finding(checks::kBusy, CheckStatus::Ok,
                   DoctorText::tr("No other process holds %1 open.").arg(port.shown));
}

QString holderNames(const facts::Holders &holders)
{
    QStringList names;
    for (const facts::Process &process : holders.others) {
        //: %1 a program's name, %2 its process id
        names << DoctorText::tr("%1 (process %2)").arg(process.name, QString::number(process.pid));
    }
    return names.join(QLatin1String(", "));
}

} // namespace vexlor
