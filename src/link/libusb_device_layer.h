#pragma once
// The USB stack through libusb-1.0.  Interface paths are composed as
// "usb#vid_xxxx&pid_xxxx#BUS.ADDRESS"; the device's first interface is
// claimed and its first bulk OUT and bulk IN endpoints carry the data.
#include <memory>

#include "link/usb_device_layer.h"

struct libusb_context;
struct libusb_device_handle;

namespace pv {

class LibusbDeviceLayer : public UsbDeviceLayer {
public:
    LibusbDeviceLayer();
    ~LibusbDeviceLayer() override;
    LibusbDeviceLayer(const LibusbDeviceLayer&) = delete;
    LibusbDeviceLayer& operator=(const LibusbDeviceLayer&) = delete;

    std::vector<std::string> ListInterfacePaths() override;
    bool OpenPath(const std::string& path) override;
    void ClosePath() override;
    UsbOpenError LastOpenError() const override { return lastOpenError_; }
    int BulkWrite(const std::uint8_t* data, std::size_t count, int timeoutMs) override;
    int BulkRead(std::uint8_t* buffer, std::size_t capacity, int timeoutMs) override;

private:
    bool Ready();

    libusb_context* context_ = nullptr;
    bool initFailed_ = false;
    libusb_device_handle* handle_ = nullptr;
    int interface_ = -1;
    unsigned char endpointOut_ = 0;
    unsigned char endpointIn_ = 0;
    UsbOpenError lastOpenError_ = UsbOpenError::None;
};

}  // namespace pv
