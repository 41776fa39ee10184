#include "link/libusb_device_layer.h"

#include <libusb.h>

#include <cstdio>

namespace pv {

namespace {

std::string PathOf(libusb_device* device, const libusb_device_descriptor& d) {
    char text[64];
    std::snprintf(text, sizeof text, "usb#vid_%04x&pid_%04x#%u.%u", d.idVendor, d.idProduct,
                  libusb_get_bus_number(device), libusb_get_device_address(device));
    return text;
}

UsbOpenError OpenErrorOf(int libusbError) {
    switch (libusbError) {
    case LIBUSB_ERROR_ACCESS:
        return UsbOpenError::Permission;
    case LIBUSB_ERROR_BUSY:
        return UsbOpenError::Busy;
    default:
        return UsbOpenError::Other;
    }
}

}  // namespace

LibusbDeviceLayer::LibusbDeviceLayer() = default;

bool LibusbDeviceLayer::Ready() {
    // The library is started by the first search, not by the program's start.
    if (context_ == nullptr && !initFailed_ && libusb_init(&context_) != 0) {
        context_ = nullptr;
        initFailed_ = true;
    }
    return context_ != nullptr;
}

LibusbDeviceLayer::~LibusbDeviceLayer() {
    ClosePath();
    if (context_ != nullptr) libusb_exit(context_);
}

std::vector<std::string> LibusbDeviceLayer::ListInterfacePaths() {
    std::vector<std::string> paths;
    if (!Ready()) return paths;
    libusb_device** list = nullptr;
    const ssize_t n = libusb_get_device_list(context_, &list);
    for (ssize_t i = 0; i < n; ++i) {
        libusb_device_descriptor d{};
        if (libusb_get_device_descriptor(list[i], &d) != 0) break;
        paths.push_back(PathOf(list[i], d));
    }
    if (list != nullptr) libusb_free_device_list(list, 1);
    return paths;
}

bool LibusbDeviceLayer::OpenPath(const std::string& path) {
    ClosePath();
    lastOpenError_ = UsbOpenError::Other;
    if (!Ready()) return false;
    libusb_device** list = nullptr;
    const ssize_t n = libusb_get_device_list(context_, &list);
    for (ssize_t i = 0; i < n && handle_ == nullptr; ++i) {
        libusb_device_descriptor d{};
        if (libusb_get_device_descriptor(list[i], &d) != 0 || PathOf(list[i], d) != path) continue;
        libusb_config_descriptor* config = nullptr;
        if (libusb_get_active_config_descriptor(list[i], &config) != 0 || config->bNumInterfaces == 0) {
            if (config != nullptr) libusb_free_config_descriptor(config);
            break;
        }
        const libusb_interface_descriptor& alt = config->interface[0].altsetting[0];
        for (int e = 0; e < alt.bNumEndpoints; ++e) {
            const libusb_endpoint_descriptor& ep = alt.endpoint[e];
            if ((ep.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK) != LIBUSB_TRANSFER_TYPE_BULK) continue;
            if ((ep.bEndpointAddress & LIBUSB_ENDPOINT_DIR_MASK) == LIBUSB_ENDPOINT_IN) {
                if (endpointIn_ == 0) endpointIn_ = ep.bEndpointAddress;
            } else if (endpointOut_ == 0) {
                endpointOut_ = ep.bEndpointAddress;
            }
        }
        const int number = alt.bInterfaceNumber;
        libusb_free_config_descriptor(config);
        if (endpointIn_ == 0 || endpointOut_ == 0) break;
        if (const int r = libusb_open(list[i], &handle_); r != 0) {
            lastOpenError_ = OpenErrorOf(r);
            handle_ = nullptr;
            break;
        }
        libusb_set_auto_detach_kernel_driver(handle_, 1);
        if (const int r = libusb_claim_interface(handle_, number); r != 0) {
            lastOpenError_ = OpenErrorOf(r);
            libusb_close(handle_);
            handle_ = nullptr;
            break;
        }
        interface_ = number;
    }
    if (list != nullptr) libusb_free_device_list(list, 1);
    if (handle_ == nullptr) endpointIn_ = endpointOut_ = 0;
    else lastOpenError_ = UsbOpenError::None;
    return handle_ != nullptr;
}

void LibusbDeviceLayer::ClosePath() {
    if (handle_ != nullptr) {
        if (interface_ >= 0) libusb_release_interface(handle_, interface_);
        libusb_close(handle_);
    }
    handle_ = nullptr;
    interface_ = -1;
    endpointIn_ = endpointOut_ = 0;
}

int LibusbDeviceLayer::BulkWrite(const std::uint8_t* data, std::size_t count, int timeoutMs) {
    if (handle_ == nullptr) return -1;
    int done = 0;
    const int r = libusb_bulk_transfer(handle_, endpointOut_, const_cast<unsigned char*>(data),
                                       static_cast<int>(count), &done, static_cast<unsigned>(timeoutMs));
    return r == 0 ? done : -1;
}

int LibusbDeviceLayer::BulkRead(std::uint8_t* buffer, std::size_t capacity, int timeoutMs) {
    if (handle_ == nullptr) return -1;
    int done = 0;
    const int r = libusb_bulk_transfer(handle_, endpointIn_, buffer, static_cast<int>(capacity), &done,
                                       static_cast<unsigned>(timeoutMs));
    return r == 0 ? done : -1;
}

}  // namespace pv
