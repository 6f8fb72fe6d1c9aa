#include "d2xx_bridge_line.h"

#include "ftdi_bridge_line.h"
#include "windows_port_lister.h"

#include <windows.h>

#include <array>

namespace vexlor {
namespace {

// The few functions of the driver library's documented interface that the
// line uses, with their documented types.
using FtHandle = void *;
using FtStatus = ULONG;
constexpr FtStatus kFtOk = 0;
constexpr FtStatus kFtDeviceNotFound = 2;
constexpr DWORD kFtOpenBySerialNumber = 1;
constexpr DWORD kFtFlagsOpened = 1;
constexpr size_t kSerialRoom = 16;
constexpr size_t kDescriptionRoom = 64;

using CreateDeviceInfoList = FtStatus(WINAPI *)(DWORD *count);
using GetDeviceInfoDetail = FtStatus(WINAPI *)(DWORD index, DWORD *flags, DWORD *type, DWORD *id,
                                               DWORD *location, void *serial, void *description,
                                               FtHandle *handle);
using OpenEx = FtStatus(WINAPI *)(void *argument, DWORD flags, FtHandle *handle);
using Close = FtStatus(WINAPI *)(FtHandle handle);
using SetLatencyTimer = FtStatus(WINAPI *)(FtHandle handle, UCHAR milliseconds);
using SetBitMode = FtStatus(WINAPI *)(FtHandle handle, UCHAR mask, UCHAR mode);
using GetComPortNumber = FtStatus(WINAPI *)(FtHandle handle, LONG *number);

// The loaded library and its functions; unloaded with the object.
class D2xxLibrary {
public:
    static std::unique_ptr<D2xxLibrary> load(const QString &name)
    {
        const std::wstring file = name.toStdWString();
        const HMODULE module = ::LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
        if (!module)
            return nullptr;
        std::unique_ptr<D2xxLibrary> library(new D2xxLibrary(module));
        return library->complete() ? std::move(library) : nullptr;
    }
    ~D2xxLibrary() { ::FreeLibrary(m_module); }
    D2xxLibrary(const D2xxLibrary &) = delete;
    D2xxLibrary &operator=(const D2xxLibrary &) = delete;

    CreateDeviceInfoList createDeviceInfoList = nullptr;
    GetDeviceInfoDetail getDeviceInfoDetail = nullptr;
    OpenEx openEx = nullptr;
    Close close = nullptr;
    SetLatencyTimer setLatencyTimer = nullptr;
    SetBitMode setBitMode = nullptr;
    GetComPortNumber getComPortNumber = nullptr; // older libraries lack it

private:
    explicit D2xxLibrary(HMODULE module) : m_module(module) {}

    template <typename Function>
    bool resolve(Function &function, const char *name)
    {
        function = reinterpret_cast<Function>(reinterpret_cast<void *>(::GetProcAddress(m_module, name)));
        return function != nullptr;
    }
    bool complete()
    {
        (void)resolve(getComPortNumber, "FT_GetComPortNumber");
        return resolve(createDeviceInfoList, "FT_CreateDeviceInfoList")
            && resolve(getDeviceInfoDetail, "FT_GetDeviceInfoDetail") && resolve(openEx, "FT_OpenEx")
            && resolve(close, "FT_Close") && resolve(setLatencyTimer, "FT_SetLatencyTimer")
            && resolve(setBitMode, "FT_SetBitMode");
    }

    HMODULE m_module;
};

class D2xxBridgeLine final : public BridgeLine {
public:
    D2xxBridgeLine(std::unique_ptr<D2xxLibrary> library, QString portName, QString serialNumber)
        : m_library(std::move(library))
        , m_portNumber(portName.mid(3).toLong())
        , m_serialNumber(std::move(serialNumber))
    {
    }

    int setBridgeLine(int flag) override
    {
        const QByteArray serial = deviceSerialNumber();
        if (serial.isEmpty())
            return -int(kFtDeviceNotFound);
        FtHandle handle = nullptr;
        const FtStatus opened = m_library->openEx(const_cast<char *>(serial.constData()),
                                                  kFtOpenBySerialNumber, &handle);
        if (opened != kFtOk)
            return -int(opened);
        if (!drivesThePort(handle)) {
            (void)m_library->close(handle);
            return -int(kFtDeviceNotFound);
        }
        // Results ignored, as the close's status is the one that counts.
        (void)m_library->setLatencyTimer(handle, kBridgeLatency);
        (void)m_library->setBitMode(handle, bridgeLineMask(flag), kBridgeBitMode);
        const FtStatus closed = m_library->close(handle);
        return closed == kFtOk ? 0 : -int(closed);
    }

private:
    // The serial number, as the library knows it, of the one device no other
    // program holds whose name the port's serial number is; empty when there
    // is none or more than one.
    QByteArray deviceSerialNumber() const
    {
        DWORD count = 0;
        if (m_library->createDeviceInfoList(&count) != kFtOk)
            return {};
        QByteArray found;
        int matches = 0;
        for (DWORD i = 0; i < count; ++i) {
            DWORD flags = 0, type = 0, id = 0, location = 0;
            std::array<char, kSerialRoom + 1> serial{};
            std::array<char, kDescriptionRoom + 1> description{};
            FtHandle handle = nullptr;
            if (m_library->getDeviceInfoDetail(i, &flags, &type, &id, &location, serial.data(),
                                               description.data(), &handle)
                    != kFtOk
                || (flags & kFtFlagsOpened))
                continue;
            const QString name = QString::fromLatin1(serial.data());
            if (!name.isEmpty() && (m_serialNumber == name || m_serialNumber == name + u'A')) {
                found = serial.data();
                ++matches;
            }
        }
        return matches == 1 ? found : QByteArray();
    }

    bool drivesThePort(FtHandle handle) const
    {
        if (!m_library->getComPortNumber)
            return true;
        LONG number = -1;
        return m_library->getComPortNumber(handle, &number) == kFtOk && number == m_portNumber;
    }

    std::unique_ptr<D2xxLibrary> m_library;
    long m_portNumber;
    QString m_serialNumber;
};

} // namespace

std::unique_ptr<BridgeLine> makeD2xxBridgeLine(const SerialPortEntry &entry, const QString &library)
{
    const QString port = comPortName(entry.path);
    if (port.isEmpty() || entry.usb.serialNumber.isEmpty())
        return nullptr;
    std::unique_ptr<D2xxLibrary> loaded = D2xxLibrary::load(library);
    if (!loaded)
        return nullptr;
    return std::make_unique<D2xxBridgeLine>(std::move(loaded), port, entry.usb.serialNumber);
}

std::unique_ptr<BridgeLine> makeFtdiBridgeLine(const SerialPortEntry &entry)
{
    return makeD2xxBridgeLine(entry);
}

} // namespace vexlor
