#include "qt_serial_port.h"

#include <QFileInfo>

#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace vexlor {
namespace {

SerialPort::OpenError classify(QSerialPort::SerialPortError error, const QString &path)
{
    switch (error) {
    case QSerialPort::NoError:
        return SerialPort::OpenError::None;
    case QSerialPort::DeviceNotFoundError:
        return SerialPort::OpenError::NotFound;
    case QSerialPort::PermissionError: {
        // Qt reports both "no access" and "held by another program" (lock
        // file, exclusive mode) as a permission error; the file's mode tells
        // them apart.
        const QByteArray native = QFileInfo(path).absoluteFilePath().toLocal8Bit();
        if (::access(native.constData(), R_OK | W_OK) == 0)
            return SerialPort::OpenError::InUse;
        return SerialPort::OpenError::PermissionDenied;
    }
    default:
        return SerialPort::OpenError::Other;
    }
}

} // namespace

QtSerialPort::QtSerialPort(QObject *parent)
    : SerialPort(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialPort::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

QtSerialPort::~QtSerialPort()
{
    // Quietly: a port closed by destruction is not a lost resource.
    m_port.disconnect(this);
    m_port.close();
}

bool QtSerialPort::open(const QString &path)
{
    close();
    m_port.setPortName(path);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_openError = classify(m_port.error(), path);
        m_port.clearError();
        return false;
    }
    const bool configured = m_port.setBaudRate(QSerialPort::Baud9600)
        && m_port.setDataBits(QSerialPort::Data8) && m_port.setParity(QSerialPort::NoParity)
        && m_port.setStopBits(QSerialPort::OneStop)
        && m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        m_openError = OpenError::Other;
        m_port.close();
        m_port.clearError();
        return false;
    }
    // Whatever the device buffered before we owned it belongs to nobody.
    m_port.clear();
    m_openError = OpenError::None;
    return true;
}

bool QtSerialPort::requestLowLatency()
{
    if (!m_port.isOpen())
        return false;
    const int fd = int(m_port.handle());
    serial_struct settings{};
    if (::ioctl(fd, TIOCGSERIAL, &settings) != 0)
        return false; // not a serial driver that has the flag (a pseudo-terminal)
    if (settings.flags & ASYNC_LOW_LATENCY)
        return true;
    // A flag any user may set on a port they opened.
    settings.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(fd, TIOCSSERIAL, &settings) == 0;
}

void QtSerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

bool QtSerialPort::isOpen() const
{
    return m_port.isOpen();
}

void QtSerialPort::write(const QByteArray &bytes)
{
    if (m_port.isOpen())
        m_port.write(bytes);
}

void QtSerialPort::onReadyRead()
{
    const QByteArray bytes = m_port.readAll();
    if (!bytes.isEmpty())
        emit bytesReceived(bytes);
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    if (!m_port.isOpen())
        return;
    // A device that vanished shows up as a resource error, or as a read error
    // when the other end hung up; either way the port is of no further use.
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError) {
        m_port.close();
        m_port.clearError();
        emit resourceLost();
    }
}

} // namespace vexlor
