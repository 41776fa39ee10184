// Telling a machine that is not plugged in from one whose device cannot be
// opened, against a scripted device.
#include <gtest/gtest.h>

#include "fake_channel.h"
#include "link/usb_access.h"
#include "settings/edition.h"

namespace pv::test {
namespace {

TEST(UsbAccess, SaysWhyTheEditionsDeviceCannotBeHad) {
    const std::string twoHead = "usb#vid_a728&pid_5388#1.7";
    struct Case {
        const char* what;
        std::vector<std::string> paths;
        std::uint16_t product;
        bool openWorks;
        UsbOpenError openError;
        UsbAccess expected;
    } cases[] = {
        {"nothing plugged in", {}, 0x5388, true, UsbOpenError::Other, UsbAccess::NoDevice},
        {"only the other edition's machine", {twoHead}, 0x5488, true, UsbOpenError::Other, UsbAccess::NoDevice},
        {"plugged in and ours", {"usb#vid_1d6b&pid_0002#1.1", twoHead}, 0x5388, true, UsbOpenError::None,
         UsbAccess::Usable},
        {"no udev rule", {twoHead}, 0x5388, false, UsbOpenError::Permission, UsbAccess::NoPermission},
        {"another program holds it", {twoHead}, 0x5388, false, UsbOpenError::Busy, UsbAccess::Busy},
        {"gone while opening", {twoHead}, 0x5388, false, UsbOpenError::Other, UsbAccess::OpenFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeUsbLayer layer;
        layer.paths = c.paths;
        layer.openWorks = c.openWorks;
        layer.openError = c.openError;
        const UsbAccessReport report = CheckUsbAccess(layer, kUsbVendor, c.product);
        EXPECT_EQ(report.access, c.expected);
        if (c.expected != UsbAccess::NoDevice) {
            EXPECT_EQ(report.devicePath, twoHead);
        }
        // The device is left closed for the transport.
        EXPECT_FALSE(layer.isOpen);
    }
}

}  // namespace
}  // namespace pv::test
