#include "usb_sysfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vexlor {
namespace {

// One sysfs attribute's text without its line end; empty when absent.
QString attribute(const QDir &device, const char *name)
{
    QFile file(device.filePath(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

UsbDeviceInfo readUsbDevice(const QDir &device)
{
    UsbDeviceInfo info;
    info.vendorId = attribute(device, "idVendor").toUShort(nullptr, 16);
    info.productId = attribute(device, "idProduct").toUShort(nullptr, 16);
    info.busNumber = attribute(device, "busnum").toInt();
    info.deviceAddress = attribute(device, "devnum").toInt();
    info.serialNumber = attribute(device, "serial");
    info.product = attribute(device, "product");
    return info;
}

} // namespace

std::optional<UsbDeviceInfo> usbDeviceOfTty(const QString &sysfsRoot, const QString &ttyName)
{
    if (ttyName.isEmpty() || ttyName.contains(u'/'))
        return std::nullopt;
    const QString root = QFileInfo(sysfsRoot).canonicalFilePath();
    // The tty's device link leads into the device tree; the USB device is an
    // ancestor (the interface and the serial port sit between).
    QString path = QFileInfo(QStringLiteral("%1/class/tty/%2/device").arg(sysfsRoot, ttyName))
                       .canonicalFilePath();
    while (!root.isEmpty() && path.startsWith(root + u'/')) {
        const QDir dir(path);
        if (QFileInfo::exists(dir.filePath(QStringLiteral("idVendor"))))
            return readUsbDevice(dir);
        path = QFileInfo(path).path();
    }
    return std::nullopt;
}

} // namespace vexlor
