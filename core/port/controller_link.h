#pragma once

#include "serial_port.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

namespace vexlor {

// The one serial connection to the controller, as far as its life goes: the
// device path in use, opening, closing, sending, and the device going away.
// What the bytes mean is the protocol's (protocol/reply_window.h).
class ControllerLink : public QObject {
    Q_OBJECT
public:
    // Takes ownership of `port`.
    explicit ControllerLink(SerialPort *port, QObject *parent = nullptr);

    // The device path the link uses (the port number of old); empty for none.
    // It keeps its value when opening fails.
    [[nodiscard]] QString portPath() const { return m_portPath; }
    void setPortPath(const QString &path) { m_portPath = path; }

    // Opens `path` (closing whatever was open); false on any failure, with the
    // reason in openError(). Does not change portPath(). A port for which
    // `asksLowLatency` holds gets the driver's low latency right after.
    [[nodiscard]] bool openPort(const QString &path);
    void setLowLatencyRule(std::function<bool(const QString &path)> asksLowLatency)
    {
        m_asksLowLatency = std::move(asksLowLatency);
    }
    void closePort();
    [[nodiscard]] bool isOpen() const;
    [[nodiscard]] SerialPort::OpenError openError() const { return m_port->openError(); }

    // Queues bytes for sending; on a closed port they reach nobody.
    void send(const QByteArray &bytes);

signals:
    // Bytes that arrived, in order, always from the event loop.
    void bytesReceived(const QByteArray &bytes);
    // The device went away under an open port; the port is closed.
    void linkLost();

private:
    void onResourceLost();

    SerialPort *m_port;
    QString m_portPath;
    std::function<bool(const QString &)> m_asksLowLatency;
};

} // namespace vexlor
