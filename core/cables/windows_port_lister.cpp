#include "windows_port_lister.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <windows.h>

#include <array>

namespace vexlor {

QList<SerialPortEntry> WindowsPortLister::ports() const
{
    QList<SerialPortEntry> result;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        SerialPortEntry entry;
        entry.path = info.portName();
        entry.hasVendorId = info.hasVendorIdentifier();
        entry.vendorId = info.vendorIdentifier();
        entry.description = info.description();
        // What tells the cable's USB device from others of its kind to the
        // bridge chip's driver library.
        entry.usb.serialNumber = info.serialNumber();
        result.append(entry);
    }
    return result;
}

bool WindowsPortLister::exists(const QString &path) const
{
    const QString name = comPortName(path);
    if (name.isEmpty())
        return false;
    std::array<wchar_t, 512> target{};
    const std::wstring device = name.toStdWString();
    if (::QueryDosDeviceW(device.c_str(), target.data(), DWORD(target.size())) != 0)
        return true;
    // A port the device map does not hold (as Wine's mapped ports): asked
    // for without access rights, it is there unless the system finds nothing
    // of that name; a port another program holds refuses, and is there.
    const std::wstring file = (QStringLiteral("\\\\.\\") + name).toStdWString();
    const HANDLE handle = ::CreateFileW(file.c_str(), 0, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);
        return true;
    }
    const DWORD error = ::GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

QString comPortName(const QString &path)
{
    static const QRegularExpression kComPort(QStringLiteral("^(?:\\\\\\\\\\.\\\\)?(COM[1-9][0-9]{0,2})$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = kComPort.match(path);
    return match.hasMatch() ? match.captured(1).toUpper() : QString();
}

} // namespace vexlor
