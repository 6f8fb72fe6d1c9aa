#include "windows_serial_port.h"

#include <QTimer>
#include <QWinEventNotifier>

#include <windows.h>

#include <algorithm>
#include <array>
#include <utility>

namespace vexlor {
namespace {

SerialPort::OpenError classify(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return SerialPort::OpenError::NotFound;
    // A COM port is opened exclusively: another program's handle refuses
    // ours with "access denied".
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return SerialPort::OpenError::InUse;
    default:
        return SerialPort::OpenError::Other;
    }
}

// One overlapped operation: its OVERLAPPED with a manual-reset event, and the
// notifier that wakes the event loop when the event is set.
struct Operation {
    Operation()
    {
        overlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        notifier.setHandle(overlapped.hEvent);
    }
    ~Operation()
    {
        notifier.setEnabled(false);
        ::CloseHandle(overlapped.hEvent);
    }
    Operation(const Operation &) = delete;
    Operation &operator=(const Operation &) = delete;

    [[nodiscard]] bool ready() const { return overlapped.hEvent != nullptr; }
    // Prepares the OVERLAPPED for the next call (the event stays as it is:
    // ReadFile and WriteFile clear it themselves).
    void rearm()
    {
        const HANDLE event = overlapped.hEvent;
        overlapped = OVERLAPPED{};
        overlapped.hEvent = event;
    }

    OVERLAPPED overlapped{};
    QWinEventNotifier notifier;
    bool pending = false;
};

} // namespace

struct WindowsSerialPort::Io {
    explicit Io(HANDLE h) : handle(h) {}
    ~Io()
    {
        // The system writes into the buffers and OVERLAPPEDs until an
        // operation has completed, cancelled or not: wait for that before
        // they go. After CancelIoEx this is a matter of moments.
        read.notifier.setEnabled(false);
        write.notifier.setEnabled(false);
        ::CancelIoEx(handle, nullptr);
        DWORD ignored = 0;
        if (read.pending)
            (void)::GetOverlappedResult(handle, &read.overlapped, &ignored, TRUE);
        if (write.pending)
            (void)::GetOverlappedResult(handle, &write.overlapped, &ignored, TRUE);
        ::CloseHandle(handle);
    }

    HANDLE handle;
    Operation read;
    Operation write;
    std::array<char, 256> readBuffer{};
    QByteArray writing; // the bytes of the write under way, alive until it completes
};

WindowsSerialPort::WindowsSerialPort(QObject *parent) : SerialPort(parent) {}

WindowsSerialPort::~WindowsSerialPort() = default; // quietly: not a lost resource

QString WindowsSerialPort::deviceName(const QString &path)
{
    if (path.startsWith(QLatin1String("\\\\.\\")))
        return path;
    return QStringLiteral("\\\\.\\") + path;
}

bool WindowsSerialPort::open(const QString &path)
{
    close();
    const std::wstring name = deviceName(path).toStdWString();
    const HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        m_openError = classify(::GetLastError());
        return false;
    }
    m_io = std::make_unique<Io>(handle);
    ++m_openings;
    if (!m_io->read.ready() || !m_io->write.ready() || !configure()) {
        m_io.reset();
        m_openError = OpenError::Other;
        return false;
    }
    connect(&m_io->read.notifier, &QWinEventNotifier::activated, this, &WindowsSerialPort::onReadDone);
    connect(&m_io->write.notifier, &QWinEventNotifier::activated, this,
            &WindowsSerialPort::onWriteDone);
    m_openError = OpenError::None;
    startRead();
    return true;
}

bool WindowsSerialPort::configure()
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(m_io->handle, &dcb))
        return false;
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!::SetCommState(m_io->handle, &dcb))
        return false;
    // The documented "return at once with what is there, else with the first
    // byte that comes, else empty after the constant" read; writes without a
    // time limit.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = kReadWaitMs;
    if (!::SetCommTimeouts(m_io->handle, &timeouts))
        return false;
    // Whatever the device buffered before we owned it belongs to nobody.
    (void)::PurgeComm(m_io->handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
    return true;
}

void WindowsSerialPort::close()
{
    m_io.reset();
    m_pending.clear();
}

bool WindowsSerialPort::isOpen() const
{
    return m_io != nullptr;
}

void WindowsSerialPort::startRead()
{
    // Ask for what is waiting, at least one byte: such a read completes at
    // once when bytes are there, and with the first byte that comes
    // otherwise, also where a driver (Wine's) completes a read only once its
    // buffer is full.
    COMSTAT status{};
    DWORD errors = 0;
    const DWORD waiting = ::ClearCommError(m_io->handle, &errors, &status) ? status.cbInQue : 0;
    const DWORD size = std::clamp<DWORD>(waiting, 1, DWORD(m_io->readBuffer.size()));
    Operation &read = m_io->read;
    read.rearm();
    const BOOL done = ::ReadFile(m_io->handle, m_io->readBuffer.data(), size, nullptr, &read.overlapped);
    if (!done && ::GetLastError() != ERROR_IO_PENDING) {
        loseLater();
        return;
    }
    // Finished at once or not: the event is set on completion either way, so
    // the bytes always come from the event loop.
    read.pending = true;
    read.notifier.setEnabled(true);
}

void WindowsSerialPort::onReadDone()
{
    Operation &read = m_io->read;
    if (!read.pending || !HasOverlappedIoCompleted(&read.overlapped))
        return;
    read.pending = false;
    read.notifier.setEnabled(false);
    DWORD count = 0;
    if (!::GetOverlappedResult(m_io->handle, &read.overlapped, &count, FALSE)) {
        lose();
        return;
    }
    const quint64 opening = m_openings;
    if (count > 0)
        emit bytesReceived(QByteArray(m_io->readBuffer.data(), qsizetype(count)));
    // A receiver may have closed (or reopened) the port meanwhile.
    if (m_io && m_openings == opening)
        startRead();
}

void WindowsSerialPort::write(const QByteArray &bytes)
{
    if (!m_io || bytes.isEmpty())
        return;
    m_pending += bytes;
    if (!m_io->write.pending)
        startWrite();
}

void WindowsSerialPort::startWrite()
{
    Operation &write = m_io->write;
    m_io->writing = std::exchange(m_pending, QByteArray());
    write.rearm();
    const BOOL done = ::WriteFile(m_io->handle, m_io->writing.constData(), DWORD(m_io->writing.size()),
                                  nullptr, &write.overlapped);
    if (!done && ::GetLastError() != ERROR_IO_PENDING) {
        loseLater(); // never from inside write()
        return;
    }
    write.pending = true;
    write.notifier.setEnabled(true);
}

void WindowsSerialPort::onWriteDone()
{
    Operation &write = m_io->write;
    if (!write.pending || !HasOverlappedIoCompleted(&write.overlapped))
        return;
    write.pending = false;
    write.notifier.setEnabled(false);
    DWORD count = 0;
    if (!::GetOverlappedResult(m_io->handle, &write.overlapped, &count, FALSE)) {
        lose();
        return;
    }
    // What the driver did not take goes out first with the next write.
    m_pending.prepend(m_io->writing.sliced(qsizetype(count)));
    m_io->writing.clear();
    if (!m_pending.isEmpty())
        startWrite();
}

void WindowsSerialPort::loseLater()
{
    QTimer::singleShot(0, this, [this, opening = m_openings] {
        if (m_io && m_openings == opening)
            lose();
    });
}

void WindowsSerialPort::lose()
{
    close();
    emit resourceLost();
}

} // namespace vexlor
