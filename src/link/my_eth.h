#pragma once
// The machine as a TCP server.  Sends and receives time out after 6 s; a
// connection attempt waits at most 5 s.  The address is taken afresh at every
// open, so a changed machine address is used by the next connection.
#include <atomic>
#include <cstdint>
#include <functional>

#include "link/byte_channel.h"

namespace pv {

class CMyEth : public ByteChannel {
public:
    static constexpr std::size_t kBulkPacket = 1400;
    static constexpr int kIoTimeoutMs = 6000;
    static constexpr int kConnectTimeoutMs = 5000;
    static constexpr int kReplySpinMicros = 30;

    // `address` yields the machine's IPv4 address with the first dotted part in
    // the lowest byte (the `MachineIP` form); `port` is the machine's port.
    CMyEth(std::function<std::uint32_t()> address, std::uint16_t port);
    ~CMyEth() override;
    CMyEth(const CMyEth&) = delete;
    CMyEth& operator=(const CMyEth&) = delete;

    int Open() override;
    void Close() override;
    bool WriteAll(const std::uint8_t* data, std::size_t count) override;
    int ReadOnce(std::uint8_t* buffer, std::size_t capacity) override;
    std::size_t BulkPacketSize() const override { return kBulkPacket; }

    bool connected() const { return connected_; }
    std::uint16_t port() const { return port_.load(); }
    void SetPort(std::uint16_t port) { port_.store(port); }
    // Shortens the time-outs (tools and tests that must not wait 6 s).
    void SetTimeouts(int ioMs, int connectMs);

private:
    std::function<std::uint32_t()> address_;
    std::atomic<std::uint16_t> port_;
    int socket_ = -1;
    bool connected_ = false;
    int ioTimeoutMs_ = kIoTimeoutMs;
    int connectTimeoutMs_ = kConnectTimeoutMs;
};

}  // namespace pv
