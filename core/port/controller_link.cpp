#include "controller_link.h"

namespace vexlor {

ControllerLink::ControllerLink(SerialPort *port, QObject *parent)
    : QObject(parent)
    , m_port(port)
{
    m_port->setParent(this);
    connect(m_port, &SerialPort::bytesReceived, this, &ControllerLink::bytesReceived);
    connect(m_port, &SerialPort::resourceLost, this, &ControllerLink::onResourceLost);
}

bool ControllerLink::openPort(const QString &path)
{
    if (path.isEmpty() || !m_port->open(path))
        return false;
    // Where the driver refuses, replies just come a little later.
    if (m_asksLowLatency && m_asksLowLatency(path))
        (void)m_port->requestLowLatency();
    return true;
}

void ControllerLink::closePort()
{
    m_port->close();
}

bool ControllerLink::isOpen() const
{
    return m_port->isOpen();
}

void ControllerLink::send(const QByteArray &bytes)
{
    m_port->write(bytes);
}

void ControllerLink::onResourceLost()
{
    m_port->close();
    emit linkLost();
}

} // namespace vexlor
