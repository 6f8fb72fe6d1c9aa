#pragma once

#include "cables/bridge_line.h"
#include "cables/cable.h"
#include "cables/port_discovery.h"
#include "protocol/reply_deadline.h"

#include <QList>
#include <QSet>
#include <QStringList>

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

    // A port of the usual programming cable, on a USB device of its own.
    void addBridge(const QString &path)
    {
        const vexlor::UsbLocation usb{1, int(entries.size()) + 2, {}};
        entries.append({path, true, vexlor::cableTypes().front().usbVendorId, {}, usb});
    }
    void addOther(const QString &path, bool usb = true, quint16 vendor = 0x10C4)
    {
        entries.append({path, usb, vendor, {}, {}});
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

// One fake bridge line behind every port (or none, for a cable without one),
// and the ports it was asked for.
class FakeBridgeLines : public vexlor::BridgeLineProvider {
public:
    FakeBridgeLine line;
    bool noLine = false;
    QStringList askedFor;

    vexlor::BridgeLine *bridgeLineFor(const QString &portPath) override
    {
        askedFor << portPath;
        return noLine ? nullptr : &line;
    }
};

// A reply window that closes only when the test says so: harnesses that play
// the controller themselves close a silent window at once instead of after
// 100 ms of real time.
class ManualReplyDeadline : public vexlor::ReplyDeadline {
public:
    using ReplyDeadline::ReplyDeadline;
    void start() override { m_running = true; }
    void stop() override { m_running = false; }
    [[nodiscard]] bool isRunning() const { return m_running; }
    // The window's time is up (nothing when no window is open).
    void expire()
    {
        if (!m_running)
            return;
        m_running = false;
        emit expired();
    }

private:
    bool m_running = false;
};
