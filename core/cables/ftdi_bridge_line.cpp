#include "ftdi_bridge_line.h"

#include <ftdi.h>

namespace vexlor {

int FtdiBridgeLine::setBridgeLine(int flag)
{
    if (!m_location.known() || m_location.busNumber > 255 || m_location.deviceAddress > 255)
        return -3; // libftdi's "device not found"
    ftdi_context *ftdi = ftdi_new();
    if (!ftdi)
        return -1;
    // Give the serial port back to the kernel's driver when we let go.
    ftdi->module_detach_mode = AUTO_DETACH_REATACH_SIO_MODULE;
    int status = ftdi_usb_open_bus_addr(ftdi, uint8_t(m_location.busNumber),
                                        uint8_t(m_location.deviceAddress));
    if (status != 0) {
        ftdi_free(ftdi);
        return status;
    }
    // Results ignored, as the close's status is the one that counts (a chip
    // that refuses the bit mode, as QEMU's does, changes nothing else).
    (void)ftdi_set_latency_timer(ftdi, kBridgeLatency);
    (void)ftdi_set_bitmode(ftdi, bridgeLineMask(flag), kBridgeBitMode);
    status = ftdi_usb_close(ftdi);
    ftdi_free(ftdi);
    return status;
}

std::unique_ptr<BridgeLine> makeFtdiBridgeLine(const SerialPortEntry &entry)
{
    // Only the device behind this port: never the first of the family.
    if (!entry.usb.known())
        return nullptr;
    return std::make_unique<FtdiBridgeLine>(entry.usb);
}

} // namespace vexlor
