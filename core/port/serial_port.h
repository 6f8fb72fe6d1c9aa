#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace vexlor {

// The serial device under the controller link: a byte pipe at 9600 baud 8N1.
// Kept abstract so tests drive the link with a fake and another platform can
// bring its own backend.
class SerialPort : public QObject {
    Q_OBJECT
public:
    // Why the last open() failed.
    enum class OpenError {
        None,
        PermissionDenied, // the user may not open the device
        NotFound,         // no device at that path
        InUse,            // another program holds it
        Other,
    };
    Q_ENUM(OpenError)

    using QObject::QObject;

    // Opens and configures the device; false on any failure (see openError()).
    [[nodiscard]] virtual bool open(const QString &path) = 0;
    // Releases the device; harmless when it is not open.
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // Queues bytes for sending and returns at once; ignored when not open.
    // Never delivers bytes (or a loss) before it returns.
    virtual void write(const QByteArray &bytes) = 0;
    [[nodiscard]] virtual OpenError openError() const = 0;
    // Asks the driver of the open port to pass short replies on at once
    // instead of holding them for its latency timer; false where it refuses
    // or cannot (the port then works as before).
    [[nodiscard]] virtual bool requestLowLatency() { return false; }

signals:
    // Bytes that arrived, in order; delivered from the event loop of the
    // thread that owns the port, never from inside write().
    void bytesReceived(const QByteArray &bytes);
    // The device went away underneath an open port (cable pulled).
    void resourceLost();
};

} // namespace vexlor
