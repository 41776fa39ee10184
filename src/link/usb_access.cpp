#include "link/usb_access.h"

#include "link/my_usb.h"

namespace pv {

UsbAccessReport CheckUsbAccess(UsbDeviceLayer& layer, std::uint16_t vendor, std::uint16_t product) {
    UsbAccessReport report;
    {
        CMyUSB finder(layer, vendor, product);
        if (!finder.FindDevice()) return report;
        report.devicePath = finder.devicePath();
    }
    if (layer.OpenPath(report.devicePath)) {
        layer.ClosePath();
        report.access = UsbAccess::Usable;
        return report;
    }
    switch (layer.LastOpenError()) {
    case UsbOpenError::Permission:
        report.access = UsbAccess::NoPermission;
        break;
    case UsbOpenError::Busy:
        report.access = UsbAccess::Busy;
        break;
    default:
        report.access = UsbAccess::OpenFailed;
        break;
    }
    return report;
}

}  // namespace pv
