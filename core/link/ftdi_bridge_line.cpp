#include "ftdi_bridge_line.h"

#include <ftdi.h>

namespace vexlor {

int FtdiBridgeLine::setBridgeLine(int flag)
{
    ftdi_context *ftdi = ftdi_new();
    if (!ftdi)
        return -1;
    // Give the serial port back to the kernel's driver when we let go.
    ftdi->module_detach_mode = AUTO_DETACH_REATACH_SIO_MODULE;

    // vendor 0, product 0: every bridge chip of the family; device 0 is the first.
    ftdi_device_list *devices = nullptr;
    int status = ftdi_usb_find_all(ftdi, &devices, 0, 0);
    if (status <= 0 || !devices) {
        ftdi_list_free(&devices);
        ftdi_free(ftdi);
        return status < 0 ? status : -3;
    }
    status = ftdi_usb_open_dev(ftdi, devices->dev);
    ftdi_list_free(&devices);
    if (status != 0) {
        ftdi_free(ftdi);
        return status;
    }
    // Results ignored, as the close's status is the one that counts.
    (void)ftdi_set_latency_timer(ftdi, kBridgeLatency);
    (void)ftdi_set_bitmode(ftdi, bridgeLineMask(flag), kBridgeBitMode);
    status = ftdi_usb_close(ftdi);
    ftdi_free(ftdi);
    return status;
}

} // namespace vexlor
