#pragma once

#include "controller_model.h"

#include "params/parameter_table.h"

#include <QString>
#include <QStringList>

#include <array>
#include <random>

// One exchange of the soak: what is run, over which transport, against a
// controller holding which values, with which fault.
struct SoakCase {
    enum class Kind { Read, Write, ConnectionTest };
    Kind kind = Kind::Read;
    bool overPseudoTerminal = false;
    vexlor::sim::FaultPlan fault;
    quint8 versionMajor = 1;
    quint8 versionMinor = 35;
    std::array<quint16, vexlor::kProtocolItemCount> held{};  // what the controller holds
    std::array<quint16, vexlor::kProtocolItemCount> sent{};  // what the tool sends
    QList<int> heldChanged; // indices where held differs from the emulator's defaults

    [[nodiscard]] QString describe() const;
    // The emulator's command line for this case.
    [[nodiscard]] QStringList emulatorArguments() const;
};

// Draws a case: mostly in-process, one in `ptyShare` over the emulator.
[[nodiscard]] SoakCase drawSoakCase(std::mt19937 &random, int ptyShare,
                                    const std::array<quint16, vexlor::kProtocolItemCount> &defaults);

// What the tool must conclude, worked out from the fault alone.
struct SoakExpectation {
    bool passed = false;     // Pass (transaction) or connection OK
    int acceptedFrames = 0;  // transactions
    QString message;         // the transaction's closing message, or the connection test's
    bool stored = false;     // the controller stored the values
};
[[nodiscard]] SoakExpectation expectedOutcome(const SoakCase &c);
