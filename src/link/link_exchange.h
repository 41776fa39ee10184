#pragma once
// The five kinds of exchange with the machine, as bytes on a ByteChannel:
//   command   'P' 3 code                 -> 'P' 5 code state busy
//   read      'Q' 4 code length          -> exactly `length` raw bytes
//   write     'R' n+4 code 0 <n bytes>   -> 'R' 5 code state busy
//   bulk      fixed-size packets         -> 1 byte after each packet
//   firmware  1024-byte packets          -> 1 byte after each packet
// Every reply is taken with one receive of at most 64 bytes.  The caller
// holds the channel's lock; opening is lazy, closing is the facade's rule.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "link/byte_channel.h"
#include "link/machine_status.h"

namespace pv {

class LinkExchange {
public:
    static constexpr std::uint8_t kCommandHead = 0x50;   // 'P'
    static constexpr std::uint8_t kReadHead = 0x51;      // 'Q'
    static constexpr std::uint8_t kWriteHead = 0x52;     // 'R'
    static constexpr std::size_t kReplyCapacity = 64;
    static constexpr std::size_t kMaxWriteBytes = 251;   // n + 4 must fit the length byte
    static constexpr std::size_t kFirmwarePacket = 1024;
    static constexpr std::uint8_t kBulkRefused = 1;

    // LinkResult; stores state and busy of a good reply.
    static int SendCommand(ByteChannel& ch, std::uint8_t code, MachineStatus& status);
    // 0 when exactly `length` (at most 64) bytes arrived into `buffer`, else -1.
    static int ReadBlock(ByteChannel& ch, std::uint8_t code, std::uint8_t length, std::uint8_t* buffer);
    // LinkResult; stores state and busy of a good reply.
    static int WriteBlock(ByteChannel& ch, std::uint8_t code, const std::uint8_t* data, std::size_t n,
                          MachineStatus& status);
    // `count` on success, -1 on failure.  The last packet is padded with zero
    // bytes to the full packet size; the caller's buffer is never read past
    // `count`.
    static long SendBulk(ByteChannel& ch, const std::uint8_t* data, std::size_t count, MachineStatus& status);
    // `count` on success, -1 on failure; acknowledgment values are not checked.
    static long SendFirmwareData(ByteChannel& ch, const std::uint8_t* data, std::size_t count);

    // Checks a status reply in the fixed order: length 5, first byte, second
    // byte 5, echoed code.  Only a good reply is stored.
    static int CheckStatusReply(std::uint8_t head, std::uint8_t code, const std::uint8_t* reply, int length,
                                MachineStatus& status);

    // What came back in a failed exchange, for the operator: "no answer", or
    // the reply's length, its first bytes in hex and what was wrong with it.
    static std::string DescribeFailure(int result, const std::vector<std::uint8_t>& reply);

private:
    static long SendPackets(ByteChannel& ch, const std::uint8_t* data, std::size_t count, std::size_t packet,
                            MachineStatus* status);
};

}  // namespace pv
