#include "link/link_exchange.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "link/link_result.h"

namespace pv {

int LinkExchange::CheckStatusReply(std::uint8_t head, std::uint8_t code, const std::uint8_t* reply, int length,
                                   MachineStatus& status) {
    if (length != 5) return kLinkBadLength;
    if (reply[0] != head) return kLinkBadFirstByte;
    if (reply[1] != 5) return kLinkBadSecondByte;
    if (reply[2] != code) return kLinkBadCode;
    status.StoreReply(reply[3], reply[4]);
    return kLinkOk;
}

int LinkExchange::SendCommand(ByteChannel& ch, std::uint8_t code, MachineStatus& status) {
    ch.NoteReply(nullptr, 0);
    if (ch.Open() != 0) return kLinkFailed;
    const std::uint8_t frame[3] = {kCommandHead, 3, code};
    if (!ch.WriteAll(frame, sizeof frame)) return kLinkFailed;
    std::array<std::uint8_t, kReplyCapacity> reply{};
    const int n = ch.ReadOnce(reply.data(), reply.size());
    ch.NoteReply(reply.data(), n);
    return CheckStatusReply(kCommandHead, code, reply.data(), n, status);
}

int LinkExchange::ReadBlock(ByteChannel& ch, std::uint8_t code, std::uint8_t length, std::uint8_t* buffer) {
    ch.NoteReply(nullptr, 0);
    if (length > kReplyCapacity) return kLinkFailed;
    if (ch.Open() != 0) return kLinkFailed;
    const std::uint8_t frame[4] = {kReadHead, 4, code, length};
    if (!ch.WriteAll(frame, sizeof frame)) return kLinkFailed;
    std::array<std::uint8_t, kReplyCapacity> reply{};
    const int n = ch.ReadOnce(reply.data(), reply.size());
    ch.NoteReply(reply.data(), n);
    if (n != length) return kLinkFailed;
    std::memcpy(buffer, reply.data(), length);
    return kLinkOk;
}

int LinkExchange::WriteBlock(ByteChannel& ch, std::uint8_t code, const std::uint8_t* data, std::size_t n,
                             MachineStatus& status) {
    ch.NoteReply(nullptr, 0);
    if (n > kMaxWriteBytes) return kLinkFailed;
    if (ch.Open() != 0) return kLinkFailed;
    std::array<std::uint8_t, kMaxWriteBytes + 4> frame{};
    frame[0] = kWriteHead;
    frame[1] = static_cast<std::uint8_t>(n + 4);
    frame[2] = code;
    frame[3] = 0;
    if (n > 0) std::memcpy(frame.data() + 4, data, n);
    if (!ch.WriteAll(frame.data(), n + 4)) return kLinkFailed;
    std::array<std::uint8_t, kReplyCapacity> reply{};
    const int got = ch.ReadOnce(reply.data(), reply.size());
    ch.NoteReply(reply.data(), got);
    return CheckStatusReply(kWriteHead, code, reply.data(), got, status);
}

long LinkExchange::SendPackets(ByteChannel& ch, const std::uint8_t* data, std::size_t count, std::size_t packet,
                               MachineStatus* status) {
    if (count == 0) return 0;
    if (ch.Open() != 0) return kLinkFailed;
    const std::size_t packets = (count + packet - 1) / packet;
    std::vector<std::uint8_t> tail;
    for (std::size_t p = 0; p < packets; ++p) {
        const std::size_t offset = p * packet;
        const std::uint8_t* bytes = data + offset;
        if (count - offset < packet) {
            // The last packet still goes out whole; what lies beyond the data
            // is padding (the header that follows tells the true length).
            tail.assign(packet, 0);
            std::memcpy(tail.data(), bytes, count - offset);
            bytes = tail.data();
        }
        if (!ch.WriteAll(bytes, packet)) return kLinkFailed;
        std::array<std::uint8_t, kReplyCapacity> reply{};
        const int n = ch.ReadOnce(reply.data(), reply.size());
        if (n != 1) return kLinkFailed;
        if (status != nullptr) {
            status->state.store(reply[0]);
            if (reply[0] == kBulkRefused) return kLinkFailed;
        }
        ch.AfterBulkPacket();
    }
    return static_cast<long>(count);
}

long LinkExchange::SendBulk(ByteChannel& ch, const std::uint8_t* data, std::size_t count, MachineStatus& status) {
    const long r = SendPackets(ch, data, count, ch.BulkPacketSize(), &status);
    if (r < 0) ch.OnBulkFailure();
    return r;
}

long LinkExchange::SendFirmwareData(ByteChannel& ch, const std::uint8_t* data, std::size_t count) {
    return SendPackets(ch, data, count, kFirmwarePacket, nullptr);
}

std::string LinkExchange::DescribeFailure(int result, const std::vector<std::uint8_t>& reply) {
    if (reply.empty()) return "no answer";
    std::string text =
        "an unexpected reply of " + std::to_string(reply.size()) + (reply.size() == 1 ? " byte" : " bytes");
    static constexpr std::size_t kShown = 16;
    char hex[4];
    text += " (";
    for (std::size_t i = 0; i < reply.size() && i < kShown; ++i) {
        std::snprintf(hex, sizeof hex, i == 0 ? "%02x" : " %02x", reply[i]);
        text += hex;
    }
    if (reply.size() > kShown) text += " ...";
    text += ")";
    switch (result) {
    case kLinkBadLength: text += ": wrong length"; break;
    case kLinkBadFirstByte: text += ": wrong first byte"; break;
    case kLinkBadSecondByte: text += ": wrong second byte"; break;
    case kLinkBadCode: text += ": the command code is not echoed"; break;
    default: break;
    }
    return text;
}

}  // namespace pv
