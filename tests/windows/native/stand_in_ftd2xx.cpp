// A stand-in for the bridge chip maker's driver library, built as ftd2xx.dll
// for the bridge line's test: it lists the devices named in VEXLOR_D2XX_DEVICES
// ("SERIAL@PORT" entries separated by ";", PORT the COM number, "!" after it
// for a device another program holds) and appends one line per call to the
// file named in VEXLOR_D2XX_LOG. VEXLOR_D2XX_CLOSE_STATUS sets what FT_Close
// answers. Only the functions the line uses, with their documented types.

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Device {
    std::string serial;
    long port = 0;
    bool held = false;
};

std::vector<Device> devices()
{
    std::vector<Device> list;
    const char *text = std::getenv("VEXLOR_D2XX_DEVICES");
    std::string all = text ? text : "";
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find(';', start);
        if (end == std::string::npos)
            end = all.size();
        const std::string entry = all.substr(start, end - start);
        const size_t at = entry.find('@');
        if (at != std::string::npos)
            list.push_back({entry.substr(0, at), std::atol(entry.c_str() + at + 1),
                            entry.back() == '!'});
        start = end + 1;
    }
    return list;
}

void log(const char *format, ...)
{
    const char *name = std::getenv("VEXLOR_D2XX_LOG");
    FILE *file = name ? std::fopen(name, "ab") : nullptr;
    if (!file)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(file, format, arguments);
    va_end(arguments);
    std::fputc('\n', file);
    std::fclose(file);
}

// A handle is the device's place in the list, plus one.
void *handleOf(size_t index)
{
    return reinterpret_cast<void *>(index + 1);
}

} // namespace

#define EXPORT extern "C" __declspec(dllexport)

EXPORT ULONG WINAPI FT_CreateDeviceInfoList(DWORD *count)
{
    *count = DWORD(devices().size());
    log("FT_CreateDeviceInfoList");
    return 0;
}

EXPORT ULONG WINAPI FT_GetDeviceInfoDetail(DWORD index, DWORD *flags, DWORD *type, DWORD *id,
                                           DWORD *location, void *serial, void *description,
                                           void **handle)
{
    const std::vector<Device> list = devices();
    if (index >= list.size())
        return 2;
    *flags = list[index].held ? 1 : 0;
    *type = 5; // an FT232R
    *id = 0x04036001;
    *location = 0x11 + index;
    std::strncpy(static_cast<char *>(serial), list[index].serial.c_str(), 15);
    std::strcpy(static_cast<char *>(description), "FT232R USB UART");
    *handle = nullptr;
    return 0;
}

EXPORT ULONG WINAPI FT_OpenEx(void *argument, DWORD flags, void **handle)
{
    log("FT_OpenEx %s %lu", static_cast<const char *>(argument), flags);
    const std::vector<Device> list = devices();
    for (size_t i = 0; i < list.size(); ++i) {
        if (flags == 1 && list[i].serial == static_cast<const char *>(argument)) {
            *handle = handleOf(i);
            return 0;
        }
    }
    return 2;
}

EXPORT ULONG WINAPI FT_GetComPortNumber(void *handle, LONG *number)
{
    *number = devices().at(reinterpret_cast<size_t>(handle) - 1).port;
    log("FT_GetComPortNumber");
    return 0;
}

EXPORT ULONG WINAPI FT_SetLatencyTimer(void *, UCHAR milliseconds)
{
    log("FT_SetLatencyTimer %u", unsigned(milliseconds));
    return 0;
}

EXPORT ULONG WINAPI FT_SetBitMode(void *, UCHAR mask, UCHAR mode)
{
    log("FT_SetBitMode 0x%02x 0x%02x", unsigned(mask), unsigned(mode));
    return 0;
}

EXPORT ULONG WINAPI FT_Close(void *)
{
    log("FT_Close");
    const char *status = std::getenv("VEXLOR_D2XX_CLOSE_STATUS");
    return status ? ULONG(std::atol(status)) : 0;
}
