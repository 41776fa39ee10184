#pragma once
// What CMyUSB needs from the operating system's USB stack: the interface
// paths of the present devices, and bulk writes and reads on one opened
// device.  The program uses LibusbDeviceLayer; tests put a scripted device
// behind the same interface.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pv {

// Why the last OpenPath failed.
enum class UsbOpenError : std::uint8_t {
    None,          // it did not fail
    Permission,    // the device node is not the user's to open (udev rule, group)
    Busy,          // another program or driver holds the device's interface
    Other,         // anything else (gone meanwhile, no bulk endpoints, ...)
};

class UsbDeviceLayer {
public:
    virtual ~UsbDeviceLayer() = default;
    // The interface paths of the present USB devices, in enumeration order.
    virtual std::vector<std::string> ListInterfacePaths() = 0;
    // Opens the device of a path ListInterfacePaths gave; false when it cannot.
    virtual bool OpenPath(const std::string& path) = 0;
    virtual void ClosePath() = 0;
    virtual UsbOpenError LastOpenError() const { return UsbOpenError::Other; }
    // Bytes transferred, or -1.
    virtual int BulkWrite(const std::uint8_t* data, std::size_t count, int timeoutMs) = 0;
    virtual int BulkRead(std::uint8_t* buffer, std::size_t capacity, int timeoutMs) = 0;
};

}  // namespace pv
