#include "link/my_usb.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>

namespace pv {

namespace {

std::string Tag(const char* prefix, std::uint16_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "%s_%04x", prefix, id);
    return text;
}

bool ContainsAfterStart(const std::string& path, const std::string& tag) {
    const auto at = path.find(tag);
    return at != std::string::npos && at != 0;
}

}  // namespace

CMyUSB::CMyUSB(UsbDeviceLayer& layer, std::uint16_t vendor, std::uint16_t product)
    : layer_(layer), vendorTag_(Tag("vid", vendor)), productTag_(Tag("pid", product)) {}

CMyUSB::~CMyUSB() { Close(); }

bool CMyUSB::FindDevice() {
    for (std::string path : layer_.ListInterfacePaths()) {
        std::transform(path.begin(), path.end(), path.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (ContainsAfterStart(path, vendorTag_) && ContainsAfterStart(path, productTag_)) {
            devicePath_ = path;
            deviceFound_ = true;
            return true;
        }
    }
    return false;
}

int CMyUSB::Open() {
    if (opened_) return 0;
    if (!deviceFound_ && !FindDevice()) return -1;
    // A failed open is noticed by the first write, which then fails.
    handle_ = layer_.OpenPath(devicePath_);
    opened_ = true;
    return 0;
}

void CMyUSB::Close() {
    if (handle_) layer_.ClosePath();
    handle_ = false;
    deviceFound_ = false;
    opened_ = false;
}

bool CMyUSB::WriteAll(const std::uint8_t* data, std::size_t count) {
    if (!handle_) return false;
    return layer_.BulkWrite(data, count, kIoTimeoutMs) == static_cast<int>(count);
}

int CMyUSB::ReadOnce(std::uint8_t* buffer, std::size_t capacity) {
    if (!handle_) return -1;
    return layer_.BulkRead(buffer, std::min<std::size_t>(capacity, 64), kIoTimeoutMs);
}

void CMyUSB::AfterBulkPacket() {
    // A busy-wait of 1 microsecond between packets, not a sleep.
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(1);
    while (std::chrono::steady_clock::now() < until) {
    }
}

}  // namespace pv
