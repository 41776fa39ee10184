#pragma once
// Transports without a machine: a byte channel whose replies are scripted,
// and a USB device layer with scripted devices.
#include <deque>
#include <string>
#include <vector>

#include "link/byte_channel.h"
#include "link/usb_device_layer.h"

namespace pv::test {

using Bytes = std::vector<std::uint8_t>;

class FakeChannel : public ByteChannel {
public:
    int Open() override { return openFails ? -1 : 0; }
    void Close() override { ++closes; }
    bool WriteAll(const std::uint8_t* data, std::size_t count) override {
        writes.emplace_back(data, data + count);
        return true;
    }
    int ReadOnce(std::uint8_t* buffer, std::size_t capacity) override {
        readCapacities.push_back(capacity);
        if (replies.empty()) return -1;
        Bytes r = replies.front();
        replies.pop_front();
        const std::size_t n = std::min(r.size(), capacity);
        std::copy(r.begin(), r.begin() + static_cast<long>(n), buffer);
        return static_cast<int>(n);
    }
    std::size_t BulkPacketSize() const override { return packet; }
    void OnBulkFailure() override { ++bulkFailures; }

    std::size_t packet = 1400;
    bool openFails = false;
    int closes = 0;
    int bulkFailures = 0;
    std::vector<Bytes> writes;
    std::deque<Bytes> replies;
    std::vector<std::size_t> readCapacities;
};

class FakeUsbLayer : public UsbDeviceLayer {
public:
    std::vector<std::string> ListInterfacePaths() override {
        ++searches;
        return present ? paths : std::vector<std::string>{};
    }
    bool OpenPath(const std::string& path) override {
        openedPath = path;
        isOpen = present && openWorks;
        return isOpen;
    }
    void ClosePath() override { isOpen = false; }
    UsbOpenError LastOpenError() const override { return isOpen ? UsbOpenError::None : openError; }
    int BulkWrite(const std::uint8_t* data, std::size_t count, int) override {
        if (!isOpen || !present) return -1;
        writes.emplace_back(data, data + count);
        return static_cast<int>(count);
    }
    int BulkRead(std::uint8_t* buffer, std::size_t capacity, int) override {
        readCapacities.push_back(capacity);
        if (!isOpen || !present || replies.empty()) return -1;
        Bytes r = replies.front();
        replies.pop_front();
        const std::size_t n = std::min(r.size(), capacity);
        std::copy(r.begin(), r.begin() + static_cast<long>(n), buffer);
        return static_cast<int>(n);
    }

    std::vector<std::string> paths{"\\\\?\\usb#vid_a728&pid_5388#7&1f2e&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"};
    bool present = true;
    bool openWorks = true;
    UsbOpenError openError = UsbOpenError::Other;   // why an open fails
    bool isOpen = false;
    int searches = 0;
    std::string openedPath;
    std::vector<Bytes> writes;
    std::deque<Bytes> replies;
    std::vector<std::size_t> readCapacities;
};

}  // namespace pv::test
