#pragma once

#include "serial_port.h"

#include <QByteArray>

#include <memory>

namespace vexlor {

// SerialPort on a Windows COM port, 9600 baud 8N1, with overlapped I/O.
//
// Reading never uses WaitCommEvent (Wine cannot serve it on a port mapped
// onto a pseudo-terminal, and Qt Serial Port's Windows backend hangs there):
// one overlapped ReadFile is always pending, under the timeouts that make it
// complete as soon as at least one byte is there (or empty after a while), for
// the bytes waiting or else one, and its completion event wakes the event loop
// through QWinEventNotifier. Writes are overlapped too; bytes written while one
// is under way follow it.
class WindowsSerialPort final : public SerialPort {
    Q_OBJECT
public:
    // How long one pending read waits for a first byte before it completes
    // empty and is issued again.
    static constexpr unsigned kReadWaitMs = 1000;

    explicit WindowsSerialPort(QObject *parent = nullptr);
    ~WindowsSerialPort() override;

    // `path` is "COM9" or "\\.\COM9".
    [[nodiscard]] bool open(const QString &path) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    void write(const QByteArray &bytes) override;
    [[nodiscard]] OpenError openError() const override { return m_openError; }

    // The device name CreateFile needs for a port name ("COM12" gives
    // "\\.\COM12", which the short form cannot reach above COM9).
    [[nodiscard]] static QString deviceName(const QString &path);

private:
    struct Io; // the handle, its overlapped operations and their notifiers

    bool configure();
    void startRead();
    void onReadDone();
    void startWrite();
    void onWriteDone();
    // Closes the port and reports it lost; loseLater() does it from the
    // event loop, unless the port was closed or opened anew meanwhile.
    void lose();
    void loseLater();

    std::unique_ptr<Io> m_io;
    QByteArray m_pending; // bytes waiting for the write under way
    OpenError m_openError = OpenError::None;
    quint64 m_openings = 0; // tells one opening of the port from the next
};

} // namespace vexlor
