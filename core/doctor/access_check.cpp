// The access check: whether the port opens for reading and writing, and if
// not, everything that decides it: the node's owner, group and mode, the
// user's groups now and in the account files, the cable rule and the seat's
// access entry.

#include "cable_rule.h"
#include "doctor_checks.h"
#include "doctor_text.h"
#include "posix_acl.h"
#include "udev_rules.h"

#include <QStringList>

#include <cerrno>
#include <cstring>

namespace vexlor {
namespace {

// What decides whether the node lets the user in.
struct Permission {
    NodeStatus node;
    QString group;              // the node's group by name
    bool groupMayUse = false;   // its members may read and write
    bool inGroupNow = false;    // this login carries the group
    bool inGroupListed = false; // the account files make the user a member
    std::optional<udev::RulesFile> rule;
    bool ruleApplied = false; // the node is as the cable rule makes it
    bool seatEntry = false;   // an access entry for the user (the seat's rule)
};

Permission permissionOf(const DoctorContext &context, const NodeStatus &node)
{
    const SystemView &system = context.system;
    Permission p;
    p.node = node;
    p.group = facts::groupName(system, node.group);
    p.groupMayUse = (node.permissions() & 060) == 060;
    p.inGroupNow = context.me.gid == node.group || context.me.groups.contains(node.group);
    p.inGroupListed = facts::accountsListMember(system, context.me.userName, node.group);
    p.rule = udev::effectiveRulesFile(system, QLatin1String(kCableRuleName));
    const auto dialout = facts::groupNamed(system, QStringLiteral("dialout"));
    p.ruleApplied = dialout && node.group == dialout->gid && p.groupMayUse;
    const auto acl = system.extendedAttribute(context.port.node, "system.posix_acl_access");
    p.seatEntry = acl && aclGrantsUserReadWrite(*acl, context.me.uid);
    return p;
}

QString groupSentence(const Permission &p)
{
    if (p.inGroupNow && !p.groupMayUse) {
        //: %1 a group's name
        return DoctorText::tr("You are in group %1, but its members may not read and write the device.")
            .arg(p.group);
    }
    if (p.inGroupNow)
        return DoctorText::tr("You are in group %1.").arg(p.group);
    if (p.inGroupListed) {
        return DoctorText::tr("You were added to group %1 after this session began; the membership "
                              "counts from your next login.")
            .arg(p.group);
    }
    return DoctorText::tr("You are not in group %1.").arg(p.group);
}

QString refusalDetail(const DoctorContext &context, const Permission &p)
{
    QStringList sentences;
    //: %1 the device, %2 its owner, %3 its group, %4 its mode in octal (0660)
    sentences << DoctorText::tr("%1 refuses you: owner %2, group %3, mode %4.")
                     .arg(context.port.shown, facts::userName(context.system, p.node.owner), p.group,
                          QStringLiteral("%1").arg(p.node.permissions(), 4, 8, QLatin1Char('0')));
    sentences << groupSentence(p);
    if (!context.port.cable)
        return sentences.join(u' '); // the cable rule is for the cable's ports only
    sentences
        << (p.rule
                ? DoctorText::tr("The cable rule %1 is installed (%2).")
                      .arg(QLatin1String(kCableRuleName), p.rule->path)
                : DoctorText::tr("The cable rule %1 is not installed.").arg(QLatin1String(kCableRuleName)));
    sentences << (p.seatEntry
                      ? DoctorText::tr("The device grants you access through the seat's access entry.")
                      : DoctorText::tr("The device carries no access entry for you (the cable rule gives "
                                       "one to the user at the computer's own screen)."));
    return sentences.join(u' ');
}

QString joinGroup(const QString &group)
{
    //: %1 a command
    return DoctorText::tr("%1, then log out and in again.")
        .arg(QStringLiteral("sudo usermod -aG %1 $USER").arg(fixes::shellWord(group)));
}

// Whether the node's owner, group, mode and access entries let the user in.
bool permissionsAllow(const DoctorContext &context, const Permission &p)
{
    const uint mode = p.node.permissions();
    return (context.me.uid == p.node.owner && (mode & 0600) == 0600) || (p.inGroupNow && p.groupMayUse)
        || (mode & 06) == 06 || p.seatEntry;
}

// The one fix that works, tried in this order.
QString refusalFix(const DoctorContext &context, const Permission &p)
{
    if (permissionsAllow(context, p)) {
        return DoctorText::tr("Something beyond the device's permissions refuses you (a sandbox or a "
                              "security module); see sandbox.");
    }
    if (p.inGroupListed && !p.inGroupNow && p.groupMayUse)
        return DoctorText::tr("Log out and in again (or restart the computer).");
    if (!context.port.cable && !p.groupMayUse) {
        //: %1 the device, %2 its owner
        return DoctorText::tr("Use %1 as its owner, %2, or ask them to let you use it.")
            .arg(context.port.shown, facts::userName(context.system, p.node.owner));
    }
    if (!context.port.cable)
        return joinGroup(p.group);
    if (!p.rule)
        return fixes::installCableRule(context.port);
    if (!p.ruleApplied)
        return fixes::reapplyRules(context.port);
    // Away from the seat (a remote login): the group is the way in.
    return joinGroup(p.group);
}

CheckResult refused(const DoctorContext &context)
{
    const std::optional<NodeStatus> node = context.system.status(context.port.node);
    if (!node)
        return finding(checks::kAccess, CheckStatus::Fail,
                       DoctorText::tr("%1 is gone.").arg(context.port.shown),
                       DoctorText::tr("Plug the cable in again."));
    const Permission p = permissionOf(context, *node);
    return finding(checks::kAccess, CheckStatus::Fail, refusalDetail(context, p), refusalFix(context, p));
}

// Why opening cannot be tried: the holder by name where it can be seen. The
// busy check, which reports it too, never skips a port held this way.
QString heldForItself(const DoctorContext &context)
{
    if (context.holders.others.isEmpty()) {
        return DoctorText::tr("Another user's process holds %1 for itself, so opening it cannot be tried "
                              "(see busy).")
            .arg(context.port.shown);
    }
    //: %1 the serial device, %2 the programs with their process ids
    return DoctorText::tr("%1 is held for itself by %2, so opening it cannot be tried (see busy).")
        .arg(context.port.shown, holderNames(context.holders));
}

} // namespace

CheckResult checkAccess(const DoctorContext &context)
{
    const PortUnderTest &port = context.port;
    if (port.node.isEmpty())
        return withoutCablePort(checks::kAccess, port);
    if (context.holders.self) {
        //: %1 the serial device
        return finding(checks::kAccess, CheckStatus::Ok,
                       DoctorText::tr("The tool holds %1 open for reading and writing.").arg(port.shown));
    }
    switch (context.openError) {
    case 0:
        return finding(checks::kAccess, CheckStatus::Ok,
                       DoctorText::tr("%1 opens for reading and writing.").arg(port.shown));
    case EBUSY:
        return finding(checks::kAccess, CheckStatus::Skip, heldForItself(context));
    case EACCES:
    case EPERM:
        return refused(context);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return finding(checks::kAccess, CheckStatus::Fail, DoctorText::tr("%1 is gone.").arg(port.shown),
                       DoctorText::tr("Plug the cable in again."));
    default:
        //: %1 the serial device, %2 the system's reason
        return finding(checks::kAccess, CheckStatus::Fail,
                       DoctorText::tr("%1 does not open: %2.")
                           .arg(port.shown, QString::fromLocal8Bit(std::strerror(context.openError))),
                       port.usb ? DoctorText::tr("Unplug the cable and plug it in again.")
                                : fixes::nameCablePort());
    }
}

namespace fixes {

QString installCableRule(const PortUnderTest &port)
{
    // Each word of the rule lines a word of its own, so the command may be
    // shown wrapped between words (the window's box) and still be pasted.
    QString format;
    QString words;
    for (const char *line : kCableRuleLines) {
        const QStringList pieces = QString::fromLatin1(line).split(u' ');
        format += QStringList(pieces.size(), QStringLiteral("%s")).join(u' ') + QLatin1String("\\n");
        for (const QString &piece : pieces)
            words += u' ' + shellWord(piece);
    }
    return QStringLiteral("printf '%1'%2 | sudo tee /etc/udev/rules.d/%3 >/dev/null"
                          " && sudo udevadm control --reload && %4")
        .arg(format, words, QLatin1String(kCableRuleName), reapplyRules(port));
}

} // namespace fixes
} // namespace vexlor
