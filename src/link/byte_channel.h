#pragma once
// One way of reaching the machine: open, write a whole request, take one reply
// in one receive, close.  The exchange framing lives in LinkExchange and is
// the same for every channel; only the bulk packet size and what happens
// around a bulk packet differ.
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace pv {

class ByteChannel {
public:
    virtual ~ByteChannel() = default;

    // 0 when the channel is (already) open, -1 when it cannot be opened.
    virtual int Open() = 0;
    virtual void Close() = 0;
    // Sends all `count` bytes; false on a short or failed send.
    virtual bool WriteAll(const std::uint8_t* data, std::size_t count) = 0;
    // One receive/read of at most `capacity` bytes: the count, or -1.
    virtual int ReadOnce(std::uint8_t* buffer, std::size_t capacity) = 0;
    // Bulk data travels in packets of exactly this many bytes.
    virtual std::size_t BulkPacketSize() const = 0;
    // Called after each accepted bulk packet (USB pauses 1 microsecond).
    virtual void AfterBulkPacket() {}
    // Called when a bulk transfer fails (USB closes the device itself).
    virtual void OnBulkFailure() {}

    // Held by the facade for a whole exchange, from opening to the closing
    // decision.
    std::mutex& Lock() { return lock_; }

    // The bytes of the last reply taken (empty when none came), kept so that
    // a failed exchange can say what the machine answered.  Written and read
    // under Lock().
    void NoteReply(const std::uint8_t* reply, int n) {
        if (n > 0) lastReply_.assign(reply, reply + n);
        else lastReply_.clear();
    }
    const std::vector<std::uint8_t>& LastReply() const { return lastReply_; }

private:
    std::mutex lock_;
    std::vector<std::uint8_t> lastReply_;
};

}  // namespace pv
