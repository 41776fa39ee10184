#pragma once
// One knife record of a cut segment and its 12-byte wire form.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pv {

// Knife codes: 'M' travel with the knife up; the cut codes follow the curve
// kinds (full cut, half cut, dot gap, dot).
inline constexpr char kCodeMove = 'M';
inline constexpr char kCodeFullCut = 'F';
inline constexpr char kCodeHalfCut = 'H';
inline constexpr char kCodeDotGap = 'N';
inline constexpr char kCodeDot = 'D';

struct CutRecord {
    std::int32_t x = 0;   // feed-motor pulses from the job origin
    std::int32_t y = 0;   // carriage-motor pulses
    char code = kCodeMove;
    friend bool operator==(const CutRecord&, const CutRecord&) = default;
};

// The knife code of a curve kind (2 'F', 3 'H', 4 'N', 5 'D'); 0 for a kind
// that is not a knife kind.
char CutCodeForKind(std::int32_t kind);

// Bytes of one record on the wire: int32 x, int32 y (little-endian), the
// code byte and three zero bytes.
inline constexpr std::size_t kCutRecordBytes = 12;
// The most records one cut segment may carry.
inline constexpr std::size_t kMaxCutRecords = 65534;

// Results of packing a segment.
inline constexpr int kCutPackOk = 0;
inline constexpr int kCutTooManyRecords = -1;

// Writes the records back to back into `wire` (resized to 12 bytes per
// record).  More than kMaxCutRecords records: kCutTooManyRecords and `wire`
// emptied, nothing packed.
int PackCutRecords(std::span<const CutRecord> records, std::vector<std::uint8_t>& wire);

// The record at `offset` of a wire buffer (the virtual plotter reads the
// wire with its own decoder).  Needs kCutRecordBytes bytes from `offset`.
CutRecord UnpackCutRecord(std::span<const std::uint8_t> wire, std::size_t offset);

}  // namespace pv
