#pragma once
// The machine as a USB device whose interface path names vendor 0xA728 and
// the edition's product id.  Bulk data goes in 4096-byte packets; every reply
// is one read of at most 64 bytes.  Any failed exchange returns the object to
// the no-device state, so the next open searches for the device again.
#include <cstdint>
#include <string>

#include "link/byte_channel.h"
#include "link/usb_device_layer.h"

namespace pv {

class CMyUSB : public ByteChannel {
public:
    static constexpr std::size_t kBulkPacket = 4096;
    static constexpr int kIoTimeoutMs = 6000;

    CMyUSB(UsbDeviceLayer& layer, std::uint16_t vendor, std::uint16_t product);
    ~CMyUSB() override;
    CMyUSB(const CMyUSB&) = delete;
    CMyUSB& operator=(const CMyUSB&) = delete;

    // Keeps the first interface path that contains both "vid_xxxx" and
    // "pid_xxxx" (lower-cased, neither at the very start).
    bool FindDevice();
    int Open() override;
    void Close() override;
    bool WriteAll(const std::uint8_t* data, std::size_t count) override;
    int ReadOnce(std::uint8_t* buffer, std::size_t capacity) override;
    std::size_t BulkPacketSize() const override { return kBulkPacket; }
    void AfterBulkPacket() override;
    void OnBulkFailure() override { Close(); }

    bool deviceFound() const { return deviceFound_; }
    bool opened() const { return opened_; }
    const std::string& devicePath() const { return devicePath_; }

private:
    UsbDeviceLayer& layer_;
    std::string vendorTag_;
    std::string productTag_;
    bool deviceFound_ = false;
    bool opened_ = false;
    bool handle_ = false;
    std::string devicePath_;
};

}  // namespace pv
