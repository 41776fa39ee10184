#pragma once
// Whether the machine's USB device can be had, told apart finely enough to
// say what to do: not plugged in (or switched off), plugged in but not ours
// to open (no udev rule, not at the seat, not in the package's group), or
// held by another program.  The link itself only learns that an exchange
// failed; the command-line tool asks this when it has to explain why.
#include <cstdint>
#include <string>

#include "link/usb_device_layer.h"

namespace pv {

enum class UsbAccess : std::uint8_t {
    Usable,         // found and opened (and closed again)
    NoDevice,       // no device with the vendor and product id is present
    NoPermission,   // present, but opening it was refused
    Busy,           // present, but another program holds it
    OpenFailed,     // present, but it could not be opened for another reason
};

struct UsbAccessReport {
    UsbAccess access = UsbAccess::NoDevice;
    std::string devicePath;   // the matching interface path, when one was found
};

// Looks for the first device whose path names `vendor` and `product` (as
// the transport does) and tries to open it; the device is closed again.
// Only to be asked while the transport has the device closed.
UsbAccessReport CheckUsbAccess(UsbDeviceLayer& layer, std::uint16_t vendor, std::uint16_t product);

}  // namespace pv
