#pragma once

#include "port/serial_port.h"

#include <QList>

// Any serial port with its writes recorded: the emulator's port counts sends
// as the in-memory port does.
class RecordingPort : public vexlor::SerialPort {
    Q_OBJECT
public:
    // Takes ownership of `inner`.
    explicit RecordingPort(vexlor::SerialPort *inner, QObject *parent = nullptr)
        : SerialPort(parent)
        , m_inner(inner)
    {
        m_inner->setParent(this);
        connect(m_inner, &SerialPort::bytesReceived, this, &SerialPort::bytesReceived);
        connect(m_inner, &SerialPort::resourceLost, this, &SerialPort::resourceLost);
    }

    bool open(const QString &path) override { return m_inner->open(path); }
    void close() override { m_inner->close(); }
    bool isOpen() const override { return m_inner->isOpen(); }
    void write(const QByteArray &bytes) override
    {
        if (m_inner->isOpen())
            writes << bytes;
        m_inner->write(bytes);
    }
    OpenError openError() const override { return m_inner->openError(); }
    bool requestLowLatency() override { return m_inner->requestLowLatency(); }

    QList<QByteArray> writes; // every write on an open port, in order

private:
    vexlor::SerialPort *m_inner;
};
