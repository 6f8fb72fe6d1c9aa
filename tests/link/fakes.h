#pragma once

#include "link/bridge_line.h"
#include "link/port_discovery.h"

#include <QList>
#include <QSet>

#include <functional>

// Serial ports as a test wants the system to list them.
class FakePortLister : public vexlor::PortLister {
public:
    QList<vexlor::SerialPortEntry> entries;
    QSet<QString> extraNodes; // device nodes that exist without being listed

    QList<vexlor::SerialPortEntry> ports() const override { return entries; }
    bool exists(const QString &path) const override
    {
        if (extraNodes.contains(path))
            return true;
        for (const auto &e : entries)
            if (e.path == path)
                return true;
        return false;
    }

    void addBridge(const QString &path) { entries.append({path, true, vexlor::kBridgeVendorId, {}}); }
    void addOther(const QString &path, bool usb = true, quint16 vendor = 0x10C4)
    {
        entries.append({path, usb, vendor, {}});
    }
};

// Records the flags the bridge line was driven with.
class FakeBridgeLine : public vexlor::BridgeLine {
public:
    QList<int> flags;
    int status = 0;
    std::function<void()> onSet; // runs inside the call (the device goes away and comes back)

    int setBridgeLine(int flag) override
    {
        flags << flag;
        if (onSet)
            onSet();
        return status;
    }
};
