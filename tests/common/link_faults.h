#pragma once

// The faults a controller (or its cable) can show during a transaction, with
// the outcome the tool must reach for each: one table for every level that
// runs transactions (the engine over each kind of port, the window), so a
// fault covered once is covered everywhere. Needs vexlor_sim_model.

#include "controller_model.h"

#include "protocol/transaction_engine.h"

#include <QString>
#include <QStringList>

#include <span>

namespace link_faults {

inline const QString kFailed = QStringLiteral("Communication with controller failed!");
inline const QString kInterrupted = QStringLiteral("Communication with controller interrupted!");
inline const QString kReadOk = QStringLiteral("Configuration of the controller was read successfully.");
inline const QString kWriteOk = QStringLiteral("Configuration of the controller was written successfully.");
inline const QString kNotice = QStringLiteral(
    "This error may be caused by controller MCU flash write protection. Please re-program .hex "
    "file to the controller with the write option bytes. Read Page 7 of "
    "ST-LINK_Installation_EN.pdf");

struct LinkFault {
    const char *name;
    vexlor::TransactionMode mode;
    vexlor::sim::FaultPlan plan;
    // What the transaction concludes:
    bool passed;
    const QString *message; // the closing message's text
    int accepted;           // frames accepted; ProgressBar1 stays there
    int sendsOfFaultyFrame; // sends of frame plan.atFrame (frame 0 without a fault)

    [[nodiscard]] bool write() const { return mode == vexlor::TransactionMode::Write; }
    // A write's store command goes out only after sixty accepted frames.
    [[nodiscard]] bool storeSent() const { return write() && accepted == vexlor::kProtocolItemCount; }
    [[nodiscard]] QString caption() const
    {
        if (passed)
            return write() ? QStringLiteral("Write controller result") : QStringLiteral("Read controller result");
        return *message == kNotice ? QStringLiteral("Notice") : QStringLiteral("Error");
    }
};

// Every fault row, clean runs first.
inline std::span<const LinkFault> linkFaults()
{
    using vexlor::sim::FaultKind;
    constexpr auto R = vexlor::TransactionMode::Read;
    constexpr auto W = vexlor::TransactionMode::Write;
    static const LinkFault rows[] = {
        {"clean read", R, {}, true, &kReadOk, 60, 1},
        {"clean write", W, {}, true, &kWriteOk, 60, 1},
        // No reply: "failed" before the first accepted frame, "interrupted" from one on.
        {"read, no reply at 0", R, {FaultKind::NoReply, 0, false}, false, &kFailed, 0, 1},
        {"write, no reply at 0", W, {FaultKind::NoReply, 0, false}, false, &kFailed, 0, 1},
        {"read, no reply at 1", R, {FaultKind::NoReply, 1, false}, false, &kInterrupted, 1, 1},
        {"write, no reply at 1", W, {FaultKind::NoReply, 1, false}, false, &kInterrupted, 1, 1},
        {"read, no reply at 30", R, {FaultKind::NoReply, 30, false}, false, &kInterrupted, 30, 1},
        {"read, no reply at 59", R, {FaultKind::NoReply, 59, false}, false, &kInterrupted, 59, 1},
        {"write, no reply at 59", W, {FaultKind::NoReply, 59, false}, false, &kInterrupted, 59, 1},
        {"write, bad status at 10", W, {FaultKind::BadStatus, 10, false}, false, &kInterrupted, 10, 1},
        {"read, bad status at 33", R, {FaultKind::BadStatus, 33, false}, false, &kInterrupted, 33, 1},
        // A failed value check costs a resend, five sends of a frame at most.
        {"write, bad check once at 5", W, {FaultKind::BadCheck, 5, false}, true, &kWriteOk, 60, 2},
        {"write, bad check always at 5", W, {FaultKind::BadCheck, 5, true}, false, &kInterrupted, 5, 5},
        {"read, bad check always at 0", R, {FaultKind::BadCheck, 0, true}, false, &kFailed, 0, 5},
        {"read, short reply once at 7", R, {FaultKind::ShortReply, 7, false}, true, &kReadOk, 60, 2},
        {"read, short reply always at 3", R, {FaultKind::ShortReply, 3, true}, false, &kInterrupted, 3, 5},
        {"read, extra bytes always at 12", R, {FaultKind::ExtraBytes, 12, true}, true, &kReadOk, 60, 1},
        {"write, extra bytes always at 50", W, {FaultKind::ExtraBytes, 50, true}, true, &kWriteOk, 60, 1},
        {"write, late reply at 20", W, {FaultKind::LateReply, 20, false}, false, &kInterrupted, 20, 1},
        {"write, late reply at 59", W, {FaultKind::LateReply, 59, false}, false, &kInterrupted, 59, 1},
        {"write, no store reply", W, {FaultKind::NoStoreReply, 0, false}, false, &kNotice, 60, 1},
        {"write, cable pulled at 40", W, {FaultKind::CablePulled, 40, false}, false, &kInterrupted, 40, 1},
        {"read, cable pulled at 0", R, {FaultKind::CablePulled, 0, false}, false, &kFailed, 0, 1},
    };
    return rows;
}

// The emulator's name of a fault ("no-reply"), or "none".
inline QString faultName(vexlor::sim::FaultKind kind)
{
    for (const QString &name : vexlor::sim::faultKindNames()) {
        vexlor::sim::FaultKind k;
        if (vexlor::sim::parseFaultKind(name, &k) && k == kind)
            return name;
    }
    return QStringLiteral("none");
}

// The emulator's command-line options for a fault plan.
inline QStringList emulatorFaultArguments(const vexlor::sim::FaultPlan &plan)
{
    if (plan.kind == vexlor::sim::FaultKind::None)
        return {};
    QStringList args{QStringLiteral("--fault"), faultName(plan.kind), QStringLiteral("--at-frame"),
                     QString::number(plan.atFrame)};
    if (plan.always)
        args << QStringLiteral("--always");
    if (plan.passes > 0)
        args << QStringLiteral("--passes") << QString::number(plan.passes);
    return args;
}

} // namespace link_faults
