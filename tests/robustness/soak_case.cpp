#include "soak_case.h"

#include "link_faults.h"

using link_faults::faultName;
using vexlor::sim::FaultKind;

namespace {

const char *kindName(SoakCase::Kind kind)
{
    switch (kind) {
    case SoakCase::Kind::Read: return "read";
    case SoakCase::Kind::Write: return "write";
    case SoakCase::Kind::ConnectionTest: return "connection test";
    }
    return "?";
}

} // namespace

QString SoakCase::describe() const
{
    return QStringLiteral("%1 over %2, fault %3 at frame %4%5, version %6-%7")
        .arg(QLatin1String(kindName(kind)),
             overPseudoTerminal ? QStringLiteral("the emulator") : QStringLiteral("the model"),
             faultName(fault.kind))
        .arg(fault.atFrame)
        .arg(fault.always ? QStringLiteral(" always") : QString())
        .arg(versionMajor)
        .arg(versionMinor);
}

QStringList SoakCase::emulatorArguments() const
{
    QStringList args{QStringLiteral("--version"),
                     QStringLiteral("%1-%2").arg(versionMajor).arg(versionMinor)};
    args << link_faults::emulatorFaultArguments(fault);
    for (const int index : heldChanged)
        args << QStringLiteral("--set") << QStringLiteral("%1=%2").arg(index).arg(held[index]);
    return args;
}

SoakCase drawSoakCase(std::mt19937 &random, int ptyShare,
                      const std::array<quint16, vexlor::kProtocolItemCount> &defaults)
{
    auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    static constexpr FaultKind kFaults[] = {
        FaultKind::NoReply,    FaultKind::BadCheck,   FaultKind::BadStatus,
        FaultKind::ShortReply, FaultKind::ExtraBytes, FaultKind::LateReply,
        FaultKind::NoStoreReply, FaultKind::CablePulled,
    };
    SoakCase c;
    const int kind = uniform(0, 9);
    c.kind = kind < 4 ? SoakCase::Kind::Read
           : kind < 8 ? SoakCase::Kind::Write
                      : SoakCase::Kind::ConnectionTest;
    c.overPseudoTerminal = uniform(1, ptyShare) == 1;
    // One in five clean; the rest spread over the faults, at the edges often.
    if (uniform(0, 4) != 0) {
        c.fault.kind = kFaults[uniform(0, int(std::size(kFaults)) - 1)];
        const int where = uniform(0, 5);
        c.fault.atFrame = where == 0 ? 0 : where == 1 ? vexlor::kProtocolItemCount - 1
                                                      : uniform(0, vexlor::kProtocolItemCount - 1);
        c.fault.always = uniform(0, 1) == 1;
    }
    c.versionMajor = quint8(uniform(0, 255));
    c.versionMinor = quint8(uniform(0, 255));
    c.held = defaults;
    for (int n = uniform(0, 6); n > 0; --n) {
        const int index = uniform(1, vexlor::kProtocolItemCount - 1);
        c.held[index] = quint16(uniform(0, 0xFFFF));
        if (!c.heldChanged.contains(index))
            c.heldChanged << index;
    }
    for (quint16 &value : c.sent)
        value = quint16(uniform(0, 0xFFFF));
    return c;
}

SoakExpectation expectedOutcome(const SoakCase &c)
{
    const FaultKind f = c.fault.kind;
    SoakExpectation e;
    if (c.kind == SoakCase::Kind::ConnectionTest) {
        // Only the test frame (index 0) can meet the fault; only the status
        // byte decides.
        const bool hit = c.fault.atFrame == 0
            && (f == FaultKind::NoReply || f == FaultKind::BadStatus || f == FaultKind::LateReply
                || f == FaultKind::CablePulled);
        e.passed = !hit;
        e.message = e.passed ? QStringLiteral("Connection to controller is OK!\nController software "
                                              "version: v%1-%2\n\nWould you like to read the "
                                              "controller's configuration now?")
                                   .arg(c.versionMajor)
                                   .arg(c.versionMinor)
                             : QStringLiteral("Connection to controller is not detected!");
        return e;
    }

    const bool write = c.kind == SoakCase::Kind::Write;
    // Faults that end the exchange at their frame, and those that only cost a
    // resend unless they repeat (five sends of one frame at most).
    const bool endsAtFrame = f == FaultKind::NoReply || f == FaultKind::BadStatus
        || f == FaultKind::LateReply || f == FaultKind::CablePulled
        || ((f == FaultKind::BadCheck || f == FaultKind::ShortReply) && c.fault.always);
    if (endsAtFrame) {
        e.acceptedFrames = c.fault.atFrame;
        e.message = c.fault.atFrame == 0 ? QStringLiteral("Communication with controller failed!")
                                         : QStringLiteral("Communication with controller interrupted!");
        return e;
    }
    e.acceptedFrames = vexlor::kProtocolItemCount;
    if (!write) {
        e.passed = true;
        e.message = QStringLiteral("Configuration of the controller was read successfully.");
        return e;
    }
    if (f == FaultKind::NoStoreReply) {
        e.message = QStringLiteral(
            "This error may be caused by controller MCU flash write protection. Please re-program "
            ".hex file to the controller with the write option bytes. Read Page 7 of "
            "ST-LINK_Installation_EN.pdf");
        return e;
    }
    e.passed = true;
    e.stored = true;
    e.message = QStringLiteral("Configuration of the controller was written successfully.");
    return e;
}
