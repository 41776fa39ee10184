#pragma once
// What travels on the wire, as the machine reads it: the request frames,
// the codes it acts on, little-endian integers, the 12-byte knife record and
// the compressed band columns.  Kept apart from the program's own encoders
// on purpose: the stand-in machine checks the program's bytes against the
// wire description, not against the program.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "output/cut_record.h"

namespace pv {

struct PlotterWire {
    // First byte of a request; the second byte is the request's own length.
    static constexpr std::uint8_t kCommandHead = 'P';   // 'P', 3, code
    static constexpr std::uint8_t kReadHead = 'Q';      // 'Q', 4, code, length
    static constexpr std::uint8_t kWriteHead = 'R';     // 'R', n + 4, code, 0, n bytes

    // One-byte commands.
    static constexpr std::uint8_t kCarriageLeft = 3;
    static constexpr std::uint8_t kCarriageRight = 4;
    static constexpr std::uint8_t kCleanHeads = 7;
    static constexpr std::uint8_t kCutPaperOff = 10;
    static constexpr std::uint8_t kStopJob = 11;
    static constexpr std::uint8_t kResume = 12;
    static constexpr std::uint8_t kPause = 13;
    static constexpr std::uint8_t kJobComplete = 14;
    static constexpr std::uint8_t kReset = 15;
    static constexpr std::uint8_t kStatusPoll = ':';

    // Read requests.
    static constexpr std::uint8_t kCarriagePosition = 16;
    static constexpr std::uint8_t kAddress = 17;
    static constexpr std::uint8_t kAdvRecord = 18;
    static constexpr std::uint8_t kMachineRecord = 19;

    // Write requests.
    static constexpr std::uint8_t kJobStart = ' ';      // int32 paper length, int32 columns
    static constexpr std::uint8_t kBandHeader = '!';    // int32 band, reverse byte, constant byte
    static constexpr std::uint8_t kCutHeader = '"';     // int32 record count
    static constexpr std::uint8_t kWriteAddress = '#';
    static constexpr std::uint8_t kWriteAdvRecord = '$';
    static constexpr std::uint8_t kWriteMachineRecord = '%';
    static constexpr std::uint8_t kFirmwarePages = '(';
    static constexpr std::uint8_t kFirmwareEnd = ')';

    // Bulk packets: 1400 bytes of print data, 1024 of firmware.
    static constexpr std::size_t kDataPacket = 1400;
    static constexpr std::size_t kFirmwarePacket = 1024;
    // One knife record: int32 x, int32 y, the code byte, three zero bytes.
    static constexpr std::size_t kKnifeRecordBytes = 12;

    // The length of the request frame `b` starts with, 0 when it does not
    // start like one (or its length byte is not there yet).
    static std::size_t FrameLength(std::span<const std::uint8_t> b);
    static bool StartsLikeFrame(std::uint8_t first) {
        return first == kCommandHead || first == kReadHead || first == kWriteHead;
    }

    static std::int32_t Int32At(const std::uint8_t* b);
    static void PutInt32(std::vector<std::uint8_t>& out, std::int32_t v);

    // Knife record i of a cut segment's bytes (12 · (i + 1) bytes needed).
    static CutRecord KnifeRecordAt(std::span<const std::uint8_t> bytes, std::size_t i);

    // Expands a compressed band: 16-bit little-endian words, a non-zero word
    // as it is, the pair 0, n for n zero words (1 <= n <= 2200).  False for
    // anything else or when the result is not exactly `expectedBytes`.
    static bool ExpandBand(std::span<const std::uint8_t> band, std::size_t expectedBytes,
                           std::vector<std::uint8_t>& out);

    // The nozzle an HP45 cartridge fires for primitive p at address a, or -1
    // when no nozzle sits there.  Nozzle n (0..149) is fired by primitive
    // (15 · (n mod 22)) mod 22 at address n / 22, one address later when
    // n mod 22 is 20 or 21.
    static int NozzleFiredAt(int primitive, int address);
};

}  // namespace pv
