#pragma once

#include "serial_port.h"

#include <QSerialPort>

namespace vexlor {

// SerialPort over QSerialPort, 9600 baud, 8 data bits, no parity, 1 stop bit.
class QtSerialPort final : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject *parent = nullptr);
    ~QtSerialPort() override;

    [[nodiscard]] bool open(const QString &path) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    void write(const QByteArray &bytes) override;
    [[nodiscard]] OpenError openError() const override { return m_openError; }
    // The serial driver's low-latency flag (TIOCSSERIAL): an FTDI chip's
    // latency timer goes from 16 ms to 1 ms.
    [[nodiscard]] bool requestLowLatency() override;

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    OpenError m_openError = OpenError::None;
};

} // namespace vexlor
